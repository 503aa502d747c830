// libFuzzer entry: compiles and evaluates arbitrary texts. Any crash,
// sanitizer report or broken promise is a finding.

#include "fuzz/parser/ParserFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!exprparser::fuzz::runParserFuzzInput(data, size)) __builtin_trap();
  return 0;
}
