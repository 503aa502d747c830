#include "platform/win/ShellExecute.h"

#include "platform/services/Services.h"

#include <cstring>
#include <filesystem>

namespace {
constexpr INT_PTR kFileNotFound = 2;
constexpr INT_PTR kNoAssociation = 31;
constexpr INT_PTR kStarted = 42;
}  // namespace

INT_PTR ShellExecute(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR directory, int) {
  if (!file || (operation && std::strcmp(operation, "open") != 0)) return kNoAssociation;
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return kFileNotFound;
  return services::Current().OpenDocument(file, directory ? directory : "") ? kStarted
                                                                            : kNoAssociation;
}
