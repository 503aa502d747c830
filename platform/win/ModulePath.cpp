#include "platform/win/ModulePath.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace {
std::mutex g_lock;
std::string g_override;

std::string ModulePath() {
  {
    std::lock_guard guard(g_lock);
    if (!g_override.empty()) return g_override;
  }
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}
}  // namespace

DWORD GetModuleFileName(void*, LPSTR out, DWORD size) {
  if (!out || size == 0) return 0;
  const std::string path = ModulePath();
  const size_t n = std::min<size_t>(path.size(), size - 1);
  std::memcpy(out, path.data(), n);
  out[n] = '\0';
  return static_cast<DWORD>(n);
}

std::string ProgramFolder() {
  const std::string path = ModulePath();
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void SetModuleFileNameOverride(const std::string& path) {
  std::lock_guard guard(g_lock);
  g_override = path;
}
