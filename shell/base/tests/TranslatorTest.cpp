// The translator: its section and line parsing, the join of the two files,
// loading from the program folder with the loader's own reports, the
// language switch and the dialog convention.
#include "platform/afx/tests/TempFolder.h"
#include "shell/base/Translator.h"

#include "platform/win/ModulePath.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/window/Resources.h"
#include "platform/window/tests/UiTestKit.h"
#include "platform/window/Dialogs.h"
#include "platform/window/WindowApi.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A section buffer as the profile reader returns it: NUL after each entry,
// one more after the last.
std::string SectionOf(const std::vector<std::string>& entries) {
  std::string buffer;
  for (const std::string& e : entries) buffer += e + '\0';
  return buffer + '\0';
}

struct ParseRow {
  const char* name;
  std::vector<std::string> entries;
  std::vector<std::pair<std::string, std::string>> stored;  // key, text by index
  int tooLong = 0;
};

std::string Repeat(const std::string& piece, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += piece;
  return s;
}

class TranslatorParse : public testing::TestWithParam<ParseRow> {};

TEST_P(TranslatorParse, EntriesLandAtTheirIndex) {
  const ParseRow& row = GetParam();
  g_Translator.ClearTables();
  const std::string buffer = SectionOf(row.entries);
  const SectionParseReport report = g_Translator.ParseLngSection(buffer.data(), buffer.size());
  EXPECT_EQ(report.entries, static_cast<int>(row.entries.size()));
  EXPECT_EQ(report.tooLong, row.tooLong);
  for (size_t i = 0; i < row.stored.size(); ++i) {
    EXPECT_EQ(g_LngTable[i].key.str(), row.stored[i].first) << "entry " << i;
    EXPECT_EQ(g_LngTable[i].text.str(), row.stored[i].second) << "entry " << i;
  }
  EXPECT_TRUE(g_LngTable[row.stored.size()].key.IsEmpty());
}

const std::string k253 = Repeat("t", 253);
INSTANTIATE_TEST_SUITE_P(
    Rows, TranslatorParse,
    testing::Values(
        ParseRow{"Plain", {"key=text"}, {{"key", "text"}}},
        ParseRow{"SpacesAroundTheEqualsSignStay", {"  key = text  "}, {{"key ", " text"}}},
        ParseRow{"FurtherEqualsSignsBelongToTheText", {"a=b=c"}, {{"a", "b=c"}}},
        ParseRow{"NoEqualsSignUsesUpItsIndex", {"no equals", "k=v"}, {{"", ""}, {"k", "v"}}},
        ParseRow{"OneCharacterDoesNotEndTheList",
                 {"x", "k=v", "y=w"},
                 {{"", ""}, {"k", "v"}, {"y", "w"}}},
        ParseRow{"EmptyKey", {"=text"}, {{"", "text"}}},
        ParseRow{"TwoHundredFiftyFiveCharactersFit", {"k=" + k253}, {{"k", k253}}},
        ParseRow{
            "CharactersAreCountedNotBytes", {"k=" + Repeat("中", 253)}, {{"k", Repeat("中", 253)}}},
        ParseRow{"ALongerEntryIsLeftEmpty", {"k=" + k253 + "t", "a=b"}, {{"", ""}, {"a", "b"}}, 1},
        ParseRow{"TabsAreText", {"\tk=v\t"}, {{"\tk", "v\t"}}}),
    [](const testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.name); });

TEST(TranslatorParse, EntriesPastTheTableAreCountedNotStored) {
  g_Translator.ClearTables();
  std::vector<std::string> entries;
  for (int i = 0; i < kTranslatorEntries + 6; ++i)
    entries.push_back("K" + std::to_string(i) + "=x");
  const std::string buffer = SectionOf(entries);
  const SectionParseReport report = g_Translator.ParseKeyIdSection(buffer.data(), buffer.size());
  EXPECT_EQ(report.entries, kTranslatorEntries);
  EXPECT_EQ(report.beyondTable, 6);
  EXPECT_EQ(g_KeyIdTable[kTranslatorEntries - 1].key, CString("K1023"));
}

TEST(TranslatorParse, AnUnclosedBufferIsNotReadPastItsEnd) {
  g_Translator.ClearTables();
  const char buffer[6] = {'a', '=', 'b', 'c', '=', 'd'};  // no NUL at all
  EXPECT_EQ(g_Translator.ParseLngSection(buffer, sizeof buffer).entries, 1);
  EXPECT_EQ(g_LngTable[0].text, CString("bc=d"));
}

TEST(TranslatorIds, KeyFileIdTexts) {
  const std::vector<std::pair<const char*, int>> rows = {{"0x1F", 31},
                                                         {"0X1f", 31},
                                                         {"-12", -12},
                                                         {"abc", 0},
                                                         {" 1 2 ", 12},
                                                         {"+5", 5},
                                                         {"--3", -3},
                                                         {"12abc", 12},
                                                         {"0x", 0},
                                                         {"", 0},
                                                         {"99999999999", INT_MAX},
                                                         {"-99999999999", INT_MIN},
                                                         {"-0x10", -16}};
  for (const auto& [text, value] : rows) EXPECT_EQ(TranslatorIdValue(text), value) << text;
}

// Fills both tables from entry lists and joins them.
void Join(const std::vector<std::string>& lng, const std::vector<std::string>& keys) {
  g_Translator.ClearTables();
  const std::string a = SectionOf(lng), b = SectionOf(keys);
  g_Translator.ParseLngSection(a.data(), a.size());
  g_Translator.ParseKeyIdSection(b.data(), b.size());
  g_Translator.BuildIdTable();
}

TEST(TranslatorJoin, TheTwoFilesArePairedByPositionOnly) {
  Join({"OK=OK", "CANCEL=Cancel"}, {"OK=1", "CANCEL=2"});
  EXPECT_EQ(g_Translator.GetText(1), CString("OK"));
  EXPECT_EQ(g_Translator.GetText(2), CString("Cancel"));
  EXPECT_EQ(g_Translator.GetText(3), CString());
  EXPECT_EQ(g_Translator.GetTextOr(3, "resource"), CString("resource"));
  EXPECT_EQ(g_Translator.GetTextOr(1, "resource"), CString("OK"));

  Join({"OK=OK", "CANCEL=Cancel"}, {"CANCEL=2", "OK=1"});  // keys are not compared
  EXPECT_EQ(g_Translator.GetText(2), CString("OK"));

  Join({"A=first", "B=second", "=no key", "C=third"}, {"A=7", "B=7", "X=8", "C=0x9"});
  EXPECT_EQ(g_Translator.GetText(7), CString("first"));  // the lower index wins
  EXPECT_EQ(g_Translator.GetText(8), CString());         // an empty language key stays empty
  EXPECT_EQ(g_Translator.GetText(9), CString("third"));

  Join({"A=text"}, {});  // a missing key file: every joined id is 0
  EXPECT_EQ(g_Translator.GetText(1), CString());
  EXPECT_EQ(g_IdTextTable[0].id, 0);
}

// A program folder of its own, with the language files a test writes.
class TranslatorFiles : public testing::Test {
 protected:
  TempFolder temp_;  // of this process alone: test runs go in parallel
  void SetUp() override {
    folder_ = temp_.path();
    std::filesystem::create_directories(folder_ / "Languages");
    SetModuleFileNameOverride((folder_ / "pelmoran").string());
    Write("KeyID.INI", "[Translation]\nFILE=1\nOK=1163\n");
    Write("English.lng", "[Translation]\nFILE=File\nOK=OK\n");
    Write("Chinese.lng", "[Translation]\nFILE=文件\nOK=确定\n");
  }
  void TearDown() override { SetModuleFileNameOverride(""); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / "Languages" / name, std::ios::binary) << text;
  }
  std::string ProfileText() const {
    std::ifstream in(folder_ / "Languages" / "Multilanuage.INI");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path folder_;
  services::FakeServices fake_;  // skips the loader's pauses, answers its boxes
  services::FakeClock& clock_ = fake_.Clock();
};

TEST_F(TranslatorFiles, LoadsTheConfiguredLanguageWithTwoPauses) {
  Write("Multilanuage.INI", "[Config]\nLanguage=English\n");
  g_Translator.Load();
  EXPECT_EQ(g_Translator.GetText(1), CString("File"));
  EXPECT_EQ(g_Translator.GetText(1163), CString("OK"));
  EXPECT_EQ(clock_.Sleeps(), (std::vector<DWORD>{500, 500}));
  std::filesystem::remove(folder_ / "Languages" / "Multilanuage.INI");
  g_Translator.Load();  // no profile: Chinese
  EXPECT_EQ(g_Translator.GetText(1), CString("文件"));
}

TEST_F(TranslatorFiles, BrokenFilesAreReportedInBothLanguages) {
  struct Row {
    const char* name;
    std::string lng;       // the English file's content; empty: no file
    const char* reported;  // part of the English and of the Chinese text
    const char* reportedZh;
    const char* textOf1;  // what id 1 reads afterwards
  };
  const std::vector<Row> rows = {
      {"missing", "", "is missing", "不存在", ""},
      {"no section", "[Other]\nFILE=File\n", "is missing", "不存在", ""},
      {"too large", "[Translation]\n" + Repeat("FILE=" + Repeat("x", 200) + "\n", 110), "too large",
       "过大", ""},
      {"damaged", "[Translation]\nFILE=File\nOK=" + Repeat("y", 300) + "\n", "damaged", "已损坏",
       "File"},
  };
  Write("Multilanuage.INI", "[Config]\nLanguage=English\n");
  for (const Row& row : rows) {
    std::filesystem::remove(folder_ / "Languages" / "English.lng");
    if (!row.lng.empty()) Write("English.lng", row.lng);
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, row.reported);
    g_Translator.Load();
    ASSERT_EQ(boxes.Shown().size(), 1u) << row.name;
    EXPECT_NE(boxes.Shown()[0].text.find(row.reportedZh), std::string::npos) << row.name;
    EXPECT_NE(boxes.Shown()[0].text.find("English.lng"), std::string::npos) << row.name;
    EXPECT_EQ(g_Translator.GetText(1), CString(row.textOf1)) << row.name;
  }
}

// Entries that, each with its NUL, fill all of the section buffer but its
// last byte, then one more entry: the reader has no room left for it at all.
TEST_F(TranslatorFiles, ALanguageFileOneByteShortOfTheBufferIsTooLarge) {
  std::string lng = "[Translation]\n";
  int filled = 0;
  while (kLngSectionBytes - 1 - filled > 200) {
    lng += "FILE=" + Repeat("x", 194) + "\n";  // 199 bytes and a NUL in the buffer
    filled += 200;
  }
  lng += Repeat("y", kLngSectionBytes - 1 - filled - 1 - 2) + "=z\n";  // fills the rest less one
  lng += "OK=OK\n";
  Write("Multilanuage.INI", "[Config]\nLanguage=English\n");
  Write("English.lng", lng);
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "too large");
  g_Translator.Load();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(boxes.Shown()[0].text.find("English.lng"), std::string::npos);
  EXPECT_EQ(g_Translator.GetText(1), CString());
}

// A NUL or a control character inside a line would split or bend its entry
// and move every later text onto the wrong id: the file is reported as
// damaged, with the line, and none of its texts is taken.
TEST_F(TranslatorFiles, AByteNoTextHoldsMakesTheFileDamagedNotShifted) {
  struct Row {
    const char* name;
    const char* file;
    std::string text;
    const char* line;
  };
  using namespace std::string_literals;
  const std::vector<Row> rows = {
      {"NUL in a text", "English.lng", "[Translation]\nFILE=Fi\0le\nOK=OK\n"s, "line 2"},
      {"control byte", "English.lng", "[Translation]\r\nFILE=File\r\nOK=O\x01K\r\n"s, "line 3"},
      {"carriage return alone", "English.lng", "[Translation]\nFILE=Fi\rle\nOK=OK\n"s, "line 2"},
      {"NUL in the key file", "KeyID.INI", "[Translation]\nFILE=1\0\nOK=1163\n"s, "line 2"},
  };
  Write("Multilanuage.INI", "[Config]\nLanguage=English\n");
  for (const Row& row : rows) {
    SetUp();  // both files sound again
    Write("Multilanuage.INI", "[Config]\nLanguage=English\n");
    Write(row.file, row.text);
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, "damaged");
    g_Translator.Load();
    ASSERT_EQ(boxes.Shown().size(), 1u) << row.name;
    const std::string shown = boxes.Shown()[0].text;
    EXPECT_NE(shown.find("已损坏"), std::string::npos) << row.name;
    EXPECT_NE(shown.find(row.file), std::string::npos) << row.name;
    EXPECT_NE(shown.find(row.line), std::string::npos) << row.name;
    EXPECT_EQ(g_Translator.GetText(1), CString()) << row.name;
    EXPECT_EQ(g_Translator.GetText(1163), CString()) << row.name;
  }
}

TEST_F(TranslatorFiles, ALanguageNameThatIsNoPlainFileNameFallsBackToChinese) {
  for (const char* name : {"../English", "sub/English", ".hidden", "C:English"}) {
    Write("Multilanuage.INI", std::string("[Config]\nLanguage=") + name + "\n");
    ScriptedBoxes boxes;
    boxes.Expect(IDOK, "not a plain file name");
    g_Translator.Load();
    EXPECT_EQ(g_Translator.GetText(1), CString("文件")) << name;
  }
  EXPECT_TRUE(IsPlainLanguageName("English"));
  EXPECT_TRUE(IsPlainLanguageName("Español (México)"));
}

TEST_F(TranslatorFiles, SwitchingToTheConfiguredLanguageReloadsNothing) {
  g_Translator.Load();
  clock_.Clear();
  EXPECT_FALSE(g_Translator.SwitchLanguage("Chinese"));  // the default, no profile yet
  EXPECT_TRUE(clock_.Sleeps().empty());
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Languages" / "Multilanuage.INI"));

  EXPECT_TRUE(g_Translator.SwitchLanguage("English"));
  EXPECT_EQ(ProfileText(), "[Config]\nLanguage=English\n");
  EXPECT_EQ(g_Translator.GetText(1163), CString("OK"));
  EXPECT_EQ(clock_.Sleeps(), (std::vector<DWORD>{500, 500}));
  EXPECT_FALSE(g_Translator.SwitchLanguage("English"));
}

TEST(TranslatorDialogs, CaptionAndControlsTakeTheirTexts) {
  std::string error;
  ASSERT_TRUE(resources::LoadText(R"(
dialog 7001 0 0 120 60
  caption "Resource caption"
  style WS_POPUP|WS_CAPTION
  control 10 Static "res A" 5 5 50 8
  control 11 Button "res B" 5 15 50 12 BS_PUSHBUTTON
  control 11 Static "second 11" 5 30 50 8
  control 12 Edit "keep" 60 5 50 12 WS_BORDER
end
)",
                                  "", &error))
      << error;
  Join({"D=Translated", "A=Text A", "B=Text B"}, {"D=7001", "A=10", "B=11"});
  HWND dialog = CreateDialogParam(nullptr, 7001, nullptr, nullptr, 0);
  ASSERT_NE(dialog, nullptr);
  g_Translator.TranslateDialog(dialog, 7001);
  EXPECT_EQ(GetWindowTextString(dialog), "Translated");
  EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 10)), "Text A");
  EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 11)), "Text B");
  HWND second = GetWindow(GetDlgItem(dialog, 11), GW_HWNDNEXT);
  EXPECT_EQ(GetWindowTextString(second), "second 11");  // only the first control of an id
  EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 12)), "keep");
  DestroyWindow(dialog);

  // No text for the template: the caption stays, so a damaged file blanks nothing.
  Join({"A=Text A"}, {"A=10"});
  dialog = CreateDialogParam(nullptr, 7001, nullptr, nullptr, 0);
  g_Translator.TranslateDialog(dialog, 7001);
  EXPECT_EQ(GetWindowTextString(dialog), "Resource caption");
  EXPECT_EQ(GetWindowTextString(GetDlgItem(dialog, 11)), "res B");
  DestroyWindow(dialog);
}

}  // namespace
