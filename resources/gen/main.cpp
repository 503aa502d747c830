// pelmoran_resgen <resources folder>: writes the files generated from
// <folder>/inventory.txt into the folder (the build's resources_generate
// target runs it). With --check it writes nothing and fails when a file
// differs from what the table gives.
#include "resources/gen/Inventory.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

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
  if (!resgen::ParseInventory(ReadFile(folder / "inventory.txt"), inventory, error) ||
      !resgen::GenerateAll(inventory, files, error)) {
    std::cerr << "inventory.txt: " << error << "\n";
    return 1;
  }
  int stale = 0;
  for (const auto& [path, content] : files) {
    const std::filesystem::path target = folder / path;
    if (ReadFile(target) == content) continue;
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
