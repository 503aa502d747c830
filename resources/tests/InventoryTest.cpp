// The table of resources and texts: its rules, the translator's limits, and
// the generated files in the tree being what the table gives today.
#include "resources/gen/Inventory.h"
#include "resources/tests/ShippedTable.h"
#include "waveform/WaveMessages.h"
#include "instrument/LinkMessages.h"
#include "shell/ShellMessages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Inventory, TheGeneratedFilesAreCurrent) {
  std::map<std::string, std::string> files;
  std::string error;
  ASSERT_TRUE(resgen::GenerateAll(Table(), files, error)) << error;
  for (const auto& [path, content] : files)
    EXPECT_TRUE(resgen::ReadTextFile(std::string(RESOURCES_DIR) + "/" + path) == content)
        << "resources/" << path
        << " is stale or edited by hand: build the resources_generate target";
  // Every generated file carries the stamp; no stale picture is left behind.
  for (const auto& [path, content] : files)
    EXPECT_NE(content.find(resgen::kStamp), std::string::npos) << path;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(RESOURCES_DIR) + "/art"))
    EXPECT_TRUE(files.count("art/" + entry.path().filename().string()))
        << entry.path() << " is not made from the table";
}

TEST(Inventory, EveryTextHasBothLanguagesAndTheMessagesTheWindowsShow) {
  const auto& texts = Table().texts;
  for (const auto& [id, t] : texts) {
    EXPECT_FALSE(t.en.empty()) << id;
    EXPECT_FALSE(t.zh.empty()) << id;
  }
  // The ids the windows look up without a template of their own (the
  // Language menu is flat, so no drop-down takes text 112).
  std::vector<int> needed = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  110, 111,
                             181, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193};
  for (int id : {300, 301, 302, 303, 304, 305, 306, 307, 308, 310, 311, 312, 313, 315, 316, 317,
                 318, 319, 321, 322, 324, 325, 326, 328, 329, 330, 331, 332, 333, 334, 335, 336,
                 337, 338, 339, 340, 341, 343, 344, 345, 346, 347, 348, 352, 354, 355, 356})
    needed.push_back(id);
    // The messages the program's own mends added, from the tables that name them.
#define WAVEFILE_MESSAGE(name, id) needed.push_back(id);
#include "waveform/files/WaveFileMessages.def"
#undef WAVEFILE_MESSAGE
  needed.push_back(kMsgSelectionOutOfRange);
#define SHELL_MESSAGE_ID(name, id) needed.push_back(id);
  PELMORAN_SHELL_MESSAGES(SHELL_MESSAGE_ID)
#undef SHELL_MESSAGE_ID
#define LINK_MESSAGE_ID(id, name) needed.push_back(id);
  PELMORAN_LINK_MESSAGES(LINK_MESSAGE_ID)
#undef LINK_MESSAGE_ID
  for (int id = 32878; id <= 32898; ++id)
    if (id != 32879 && id != 32889 && id != 32890 && id != 32892 && id != 32896)
      needed.push_back(id);
  for (int id : needed) EXPECT_TRUE(texts.count(id)) << "no text for id " << id;
  // The replacements the send dialog makes must find their marks in both languages.
  for (auto [id, mark] : {std::pair{335, "##"},
                          {336, "@@"},
                          {336, "##"},
                          {341, "##"},
                          {330, "####"},
                          {325, "3"},
                          {326, "10"}})
    for (const std::string* s : {&texts.at(id).en, &texts.at(id).zh})
      EXPECT_NE(s->find(mark), std::string::npos) << id << ": " << *s;
}

TEST(Inventory, TheTranslatorCanReadTheLanguageFilesWhole) {
  std::map<std::string, std::string> files;
  std::string error;
  ASSERT_TRUE(resgen::GenerateAll(Table(), files, error)) << error;
  // As shell/base/Translator.h reads them: at most 1024 entries, sections below
  // the buffers' sizes.
  EXPECT_LE(Table().texts.size(), 1024u);
  EXPECT_LT(files["program/Languages/Chinese.lng"].size(), 20478u);
  EXPECT_LT(files["program/Languages/English.lng"].size(), 20478u);
  EXPECT_LT(files["program/Languages/KeyID.INI"].size(), 10238u);
}

struct BadTable {
  const char* name;
  const char* text;
  const char* error;
};

class InventoryRules : public testing::TestWithParam<BadTable> {};

TEST_P(InventoryRules, AreRefusedWithTheLine) {
  resgen::Inventory inv;
  std::string error;
  EXPECT_FALSE(resgen::ParseInventory(GetParam().text, inv, error));
  EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InventoryRules,
    testing::Values(
        BadTable{"OneLanguageOnly", "text 300 message X en \"Hi\"\n", "line 1: a text needs both"},
        BadTable{"EmptyTranslation", "text 300 message X en \"\" zh \"x\"\n", "empty translation"},
        BadTable{"TwoWordings",
                 "text 300 message X en \"a\" zh \"b\"\n\ntext 300 message Y en \"c\" zh \"d\"\n",
                 "line 3: id 300 already has its texts (line 1)"},
        BadTable{"LostPlaceholder",
                 "text 341 message X needs \"##\" en \"## open\" zh \"已打开\"\n", "keep \"##\""},
        BadTable{"UntranslatedLabel",
                 "dialog 5 D 0 0 50 50\n caption en \"A\" zh \"B\"\n"
                 " control 10 Static 0 0 10 10 res \"Label\"\nend\n",
                 "line 3: a label of a translated dialog needs en and zh"},
        BadTable{"TextInAFixedDialog",
                 "dialog 5 D 0 0 50 50\n caption res \"A\"\n"
                 " control 10 Static 0 0 10 10 en \"a\" zh \"b\"\nend\n",
                 "is not translated"},
        BadTable{"ControlOutside",
                 "dialog 5 D 0 0 50 50\n caption res \"A\"\n control 10 Edit 45 0 10 10\nend\n",
                 "lies outside"},
        BadTable{"SameWithoutTexts",
                 "dialog 5 D 0 0 50 50\n caption en \"A\" zh \"B\"\n control 10 Static 0 0 9 9 "
                 "same\nend\n",
                 "which has no texts"},
        BadTable{"UnclosedBlock", "menu 129 M\n popup 1 en \"F\" zh \"文\"\n", "missing \"end\""}),
    [](const testing::TestParamInfo<BadTable>& info) { return std::string(info.param.name); });

TEST(InventoryRules, AnOverlongEntryOrTooManyTextsFailTheGeneration) {
  resgen::Inventory inv;
  std::string error;
  ASSERT_TRUE(resgen::ParseInventory(
      "text 300 message X en \"" + std::string(250, 'a') + "\" zh \"b\"\n", inv, error));
  std::map<std::string, std::string> files;
  EXPECT_FALSE(resgen::GenerateAll(inv, files, error));
  EXPECT_NE(error.find("longer than 255"), std::string::npos) << error;
  std::string many;
  for (int id = 1; id <= 1025; ++id)
    many += "text " + std::to_string(id) + " label X en \"a\" zh \"b\"\n";
  ASSERT_TRUE(resgen::ParseInventory(many, inv, error)) << error;
  EXPECT_FALSE(resgen::GenerateAll(inv, files, error));
  EXPECT_NE(error.find("holds 1024"), std::string::npos) << error;
}

}  // namespace
