// pelmoran_resgen <resources folder>: writes the files generated from
// <folder>/inventory.txt into the folder (the build's resources_generate
// target runs it). With --check it writes nothing and fails when a file
// differs from what the table gives.
#include "resources/gen/Inventory.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::cerr << "usage: pelmoran_resgen [--check] <resources folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[argc - 1];
  resgen::Inventory inventory;
  std::map<std::string, std::string> files;
  std::string error;
  if (!resgen::LoadInventory(folder.string(), inventory, error) ||
      !resgen::GenerateAll(inventory, files, error)) {
    std::cerr << "inventory.txt: " << error << "\n";
    return 1;
  }
  int stale = 0;
  for (const auto& [path, content] : files) {
    const std::filesystem::path target = folder / path;
    if (resgen::ReadTextFile(target.string()) == content) continue;
    ++stale;
    if (check) {
      std::cerr << path << " differs from the table\n";
      continue;
    }
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << content;
    std::cout << "wrote " << path << "\n";
  }
  return check && stale ? 1 : 0;
}
