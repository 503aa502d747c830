// The equation history logger: the folder beside the program, lines appended
// with CR LF, the file never truncated, and nothing written where it cannot be.
#include "waveform/LogManager.h"

#include "platform/afx/tests/TempFolder.h"
#include "platform/win/ModulePath.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class LogManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { SetModuleFileNameOverride(folder / "pelmoran"); }
  void TearDown() override {
    SetModuleFileNameOverride("");
    if (!saved.empty()) std::filesystem::current_path(saved);
  }
  TempFolder folder;
  std::filesystem::path saved;
};

TEST_F(LogManagerTest, FirstLineMakesTheFolderAndLaterLinesAppendWithCrLf) {
  // The folder is the program's, whatever the current directory is.
  TempFolder elsewhere;
  saved = std::filesystem::current_path();
  std::filesystem::current_path(elsewhere.path());
  {
    CLog_Manager log;
    log.AppendLine("Equations", "sin(x)", 0);
  }
  EXPECT_EQ(EquationHistoryPath(), CString((folder / "Equations/Equations.txt").c_str()));
  EXPECT_EQ(ReadAll(folder / "Equations/Equations.txt"), "sin(x)\r\n");
  CLog_Manager again;
  again.AppendLine("Equations", "sin(x)", 0);
  again.AppendLine("Equations", "余弦 cos(x)", 0);  // UTF-8 as typed
  EXPECT_EQ(ReadAll(folder / "Equations/Equations.txt"), "sin(x)\r\nsin(x)\r\n余弦 cos(x)\r\n");
  EXPECT_FALSE(std::filesystem::exists(elsewhere / "Equations"));
}

TEST_F(LogManagerTest, AFileInPlaceOfTheFolderWritesNothing) {
  std::ofstream(folder / "Equations") << "not a folder";
  CLog_Manager log;
  EXPECT_FALSE(log.OpenLogFile("Equations"));
  log.AppendLine("Equations", "x", 0);
  EXPECT_EQ(ReadAll(folder / "Equations"), "not a folder");
}

}  // namespace
