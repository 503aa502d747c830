#include "shell/base/ListCtrlFont.h"

CListCtrlFont& CListCtrlFont::operator=(const CListCtrlFont& other) {
  charSet = other.charSet;
  faceName = other.faceName;
  size = other.size;
  weight = other.weight;
  italic = other.italic;
  underline = other.underline;
  strikeOut = other.strikeOut;
  textColor = other.textColor;
  chosen = other.chosen;
  return *this;
}

void CListCtrlFont::Reset() {
  charSet = 134;  // GB2312_CHARSET
  faceName = "";
  size = 90;
  weight = 400;
  italic = 0;
  underline = 0;
  strikeOut = 0;
  textColor = 0;
  chosen = 0;
}
