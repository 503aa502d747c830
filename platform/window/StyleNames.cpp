#include "platform/window/StyleNames.h"

#include <map>

std::optional<DWORD> StyleValue(const std::string& name) {
  static const std::map<std::string, DWORD> table = {
#define PELMORAN_NAME_ENTRY(n, v) {#n, static_cast<DWORD>(v)},
      PELMORAN_WINDOW_STYLES(PELMORAN_NAME_ENTRY)
#undef PELMORAN_NAME_ENTRY
  };
  auto it = table.find(name);
  return it == table.end() ? std::nullopt : std::optional<DWORD>(it->second);
}

std::optional<long> NamedId(const std::string& name) {
  static const std::map<std::string, long> table = {
      {"IDOK", IDOK}, {"IDCANCEL", IDCANCEL},     {"IDYES", IDYES},
      {"IDNO", IDNO}, {"IDC_STATIC", IDC_STATIC},
  };
  auto it = table.find(name);
  return it == table.end() ? std::nullopt : std::optional<long>(it->second);
}
