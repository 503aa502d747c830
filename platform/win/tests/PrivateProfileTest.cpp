#include "platform/afx/tests/TempFolder.h"
#include <gtest/gtest.h>

#include "platform/win/ModulePath.h"
#include "platform/win/PrivateProfile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class ProfileFile : public testing::Test {
 protected:
  TempFolder temp_;  // of this process alone: test runs go in parallel
  void SetUp() override {
    folder_ = temp_.path();
    path_ = (folder_ / "test.ini").string();
  }
  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string Value(const char* section, const char* key, DWORD size = 256) {
    std::vector<char> out(size);
    GetPrivateProfileString(section, key, "(default)", out.data(), size, path_.c_str());
    return out.data();
  }
  // The section's entries, and the reader's count.
  std::pair<std::vector<std::string>, DWORD> Section(const char* section, DWORD size = 256) {
    std::vector<char> out(size, 'x');
    DWORD n = GetPrivateProfileSection(section, out.data(), size, path_.c_str());
    std::vector<std::string> entries;
    for (const char* p = out.data(); *p; p += std::strlen(p) + 1) entries.emplace_back(p);
    return {entries, n};
  }

  std::filesystem::path folder_;
  std::string path_;
};

TEST_F(ProfileFile, ValuesAreFoundWithoutCaseAndTrimmed) {
  Write(
      "; comment\r\n[Config]\r\n  Language =  English  \r\nQuoted=\"two words\"\r\n"
      "[Other]\r\nLanguage=Chinese\r\n");
  EXPECT_EQ(Value("config", "LANGUAGE"), "English");
  EXPECT_EQ(Value("Config", "Quoted"), "two words");
  EXPECT_EQ(Value("Other", "Language"), "Chinese");
  EXPECT_EQ(Value("Config", "Missing"), "(default)");
  EXPECT_EQ(Value("Missing", "Language"), "(default)");
  EXPECT_EQ(Value("Config", "Language", 4), "Eng");  // cut to the buffer
  std::filesystem::remove(path_);
  EXPECT_EQ(Value("Config", "Language"), "(default)");
}

TEST_F(ProfileFile, ASectionListsItsEntriesInFileOrder) {
  Write("[Translation]\nB=2\n\n; note\nA= 1 \nno equals sign\n[Next]\nC=3\n");
  auto [entries, n] = Section("translation");
  EXPECT_EQ(entries, (std::vector<std::string>{"B=2", "A= 1 ", "no equals sign"}));
  EXPECT_EQ(n, 3u + 5u + 14u + 3u);  // each entry and its NUL, not the closing NUL
  EXPECT_EQ(Section("Empty").second, 0u);
  Write("[Empty]\n[Next]\nC=3\n");
  EXPECT_EQ(Section("Empty").second, 0u);
}

TEST_F(ProfileFile, ASectionThatDoesNotFitReportsTheSizeLessTwo) {
  Write("[S]\nAAAA=1\nBBBB=2\n");
  auto [entries, n] = Section("S", 10);
  EXPECT_EQ(n, 8u);
  EXPECT_EQ(entries.front(), "AAAA=1");     // what fitted, still closed by two NULs
  EXPECT_EQ(Section("S", 15).second, 14u);  // exactly room for both and the closing NUL
}

// The entries before the one that does not fit may end exactly one byte
// short of the buffer: nothing of that entry fits then, and nothing is
// written past the buffer (the sanitizer build watches every size).
TEST_F(ProfileFile, ASectionIsNeverWrittenPastItsBuffer) {
  Write("[S]\nAAAA=1\nB=2\nCCCCCC=3\n");
  const char kWhole[] = "AAAA=1\0B=2\0CCCCCC=3\0";  // and the array's own closing NUL
  const std::string whole(kWhole, sizeof kWhole);
  for (DWORD size = 1; size <= 26; ++size) {
    std::vector<char> out(size, 'x');  // exactly the size, so a byte past it is caught
    const DWORD n = GetPrivateProfileSection("S", out.data(), size, path_.c_str());
    if (size >= whole.size()) {
      EXPECT_EQ(n, whole.size() - 1) << size;
      EXPECT_EQ(std::string(out.data(), whole.size()), whole) << size;
      continue;
    }
    // Cut: the result is size - 2 and the list is closed by two NULs.
    EXPECT_EQ(n, size < 2 ? 0u : size - 2) << size;
    if (size >= 2) {
      EXPECT_EQ(out[size - 2], '\0') << size;
      EXPECT_EQ(out[size - 1], '\0') << size;
      EXPECT_EQ(std::string(out.data(), size - 2), whole.substr(0, size - 2)) << size;
    }
  }
  // The shape that ran past the buffer: "AAAA=1" and its NUL fill size - 1.
  std::vector<char> out(8, 'x');
  EXPECT_EQ(GetPrivateProfileSection("S", out.data(), 8, path_.c_str()), 6u);
  EXPECT_EQ(std::string(out.data(), 8), std::string("AAAA=1\0\0", 8));
}

TEST_F(ProfileFile, WritingReplacesAddsAndCreates) {
  ASSERT_TRUE(WritePrivateProfileString("Config", "Language", "English", path_.c_str()));
  EXPECT_EQ(Read(), "[Config]\nLanguage=English\n");
  Write("[Config]\r\nlanguage=Chinese\r\nOther=1\r\n\r\n[Next]\r\nX=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString("Config", "Language", "English", path_.c_str()));
  ASSERT_TRUE(WritePrivateProfileString("Config", "New", "2", path_.c_str()));
  ASSERT_TRUE(WritePrivateProfileString("Added", "K", "v", path_.c_str()));
  EXPECT_EQ(Read(),
            "[Config]\r\nLanguage=English\r\nOther=1\r\nNew=2\r\n\r\n[Next]\r\nX=1\r\n\r\n"
            "[Added]\r\nK=v\r\n");
  const std::string nowhere = (folder_ / "missing" / "x.ini").string();
  EXPECT_FALSE(WritePrivateProfileString("Config", "Language", "English", nowhere.c_str()));
}

TEST(ModulePath, TheProgramFolderEndsWithASlash) {
  const std::string real = ProgramFolder();
  ASSERT_FALSE(real.empty());
  EXPECT_EQ(real.back(), '/');
  SetModuleFileNameOverride("/opt/pelmoran/bin/pelmoran");
  EXPECT_EQ(ProgramFolder(), "/opt/pelmoran/bin/");
  char path[8];
  EXPECT_EQ(GetModuleFileName(nullptr, path, sizeof path), 7u);
  EXPECT_STREQ(path, "/opt/pe");
  SetModuleFileNameOverride("");
  EXPECT_EQ(ProgramFolder(), real);
}

}  // namespace
