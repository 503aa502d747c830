#include "controls/CVersion.h"

#include <cstdlib>
#include <string>
#include <tuple>

namespace SG {

CVersion::CVersion(const CString& text) {
  const std::string s = static_cast<LPCSTR>(text);
  LONG* parts[] = {&major, &minor, &build, &revision};
  size_t start = 0;
  for (LONG* part : parts) {
    *part = static_cast<LONG>(std::atol(s.c_str() + start));
    const size_t dot = s.find('.', start);
    if (dot == std::string::npos) return;
    start = dot + 1;
  }
}

bool CVersion::operator<(const CVersion& o) const {
  return std::tie(major, minor, build, revision) < std::tie(o.major, o.minor, o.build, o.revision);
}

bool CVersion::operator==(const CVersion& o) const {
  return std::tie(major, minor, build, revision) == std::tie(o.major, o.minor, o.build, o.revision);
}

}  // namespace SG
