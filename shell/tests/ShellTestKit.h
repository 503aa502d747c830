#pragma once
// What the shell's window tests share: the shipped resources and hosted
// controls, a program folder holding the shipped language files with the
// translator loaded from it in one language (the services' texts then come
// from the translator, as in the program), and a look at the boxes shown.

#include "platform/afx/tests/TempFolder.h"
#include "platform/services/tests/FakeServices.h"

#include <filesystem>
#include <string>

namespace shell_test {

// Loads resources/pelmoran.pmr and registers the hosted controls (once).
void LoadShippedResources();

// A program folder of this test alone (its program file is "pelmoran" in
// it) with the shipped Languages folder and help pages, the language
// profile naming `language`, and the translator loaded from it. While it
// lives, the services' Text() is the translator's.
class ShippedProgramFolder {
 public:
  explicit ShippedProgramFolder(const char* language = "English");
  ~ShippedProgramFolder();
  ShippedProgramFolder(const ShippedProgramFolder&) = delete;
  ShippedProgramFolder& operator=(const ShippedProgramFolder&) = delete;

  // The folder, with its trailing '/' as the program names it.
  std::string Folder() const { return temp_.path().string() + "/"; }
  const std::filesystem::path& Path() const { return temp_.path(); }
  // The language the profile names now.
  std::string ProfileLanguage() const;

 private:
  TempFolder temp_;
};

// The innermost fake services (GuiTestMain's when a test has none).
services::FakeServices& Fake();

}  // namespace shell_test
