// Replays the fuzz corpus: the seeds from these tests and every finding the
// fuzzer ever made, each kept as a file in fuzz/parser/corpus.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/parser/ParserFuzzInput.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

TEST(FuzzCorpus, EveryFileRunsSafely) {
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(PARSER_FUZZ_CORPUS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(
        fuzz::runParserFuzzInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))
        << entry.path();
    ++files;
  }
  EXPECT_GT(files, 100u);
}

}  // namespace
}  // namespace exprparser::test
