#pragma once
// A control's version, "major.minor.build.revision", each part the integer
// at the start of its text (atol rules: blanks, sign, digits; none is 0).

#include "platform/afx/String.h"

namespace SG {

class CVersion {
 public:
  explicit CVersion(const CString& text);
  virtual ~CVersion() = default;
  bool operator<(const CVersion& other) const;
  bool operator>(const CVersion& other) const { return other < *this; }
  bool operator==(const CVersion& other) const;

  LONG major = 0, minor = 0, build = 0, revision = 0;
};

}  // namespace SG
