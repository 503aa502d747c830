#include "shell/tests/ShellTestKit.h"

#include "controls/HostedControl.h"
#include "platform/win/ModulePath.h"
#include "platform/win/PrivateProfile.h"
#include "platform/window/Resources.h"
#include "shell/base/Translator.h"

#include <gtest/gtest.h>

#include <fstream>

namespace shell_test {

namespace fs = std::filesystem;

void LoadShippedResources() {
  static const bool loaded = [] {
    std::string error;
    const bool ok = resources::Load(std::string(SHELL_RESOURCES_DIR) + "/pelmoran.pmr", &error);
    EXPECT_TRUE(ok) << error;
    hosted::RegisterHostedControls();
    return ok;
  }();
  (void)loaded;
}

services::FakeServices& Fake() { return *services::FakeServices::Active(); }

ShippedProgramFolder::ShippedProgramFolder(const char* language) {
  fs::copy(fs::path(SHELL_RESOURCES_DIR) / "program", temp_.path(), fs::copy_options::recursive);
  std::ofstream(temp_.path() / "Languages" / "Multilanuage.INI")
      << "[Config]\nLanguage=" << language << "\n";
  SetModuleFileNameOverride((temp_.path() / "pelmoran").string());
  g_Translator.Load();  // its pauses go to the fake clock
  Fake().SetTextSource([](int id) { return g_Translator.GetText(id).str(); });
}

ShippedProgramFolder::~ShippedProgramFolder() {
  Fake().SetTextSource(nullptr);
  g_Translator.ClearTables();
  SetModuleFileNameOverride("");
}

std::string ShippedProgramFolder::ProfileLanguage() const {
  char name[256];
  GetPrivateProfileString("Config", "Language", "", name, sizeof name,
                          (temp_.path() / "Languages" / "Multilanuage.INI").c_str());
  return name;
}

}  // namespace shell_test
