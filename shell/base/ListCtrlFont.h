#pragma once
// The per-row font record of the grid's font cells.

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"

class CListCtrlFont {
 public:
  CListCtrlFont() { Reset(); }
  virtual ~CListCtrlFont() = default;
  CListCtrlFont(const CListCtrlFont& other) { *this = other; }
  CListCtrlFont& operator=(const CListCtrlFont& other);
  void Reset();

  int charSet;
  CString faceName;
  int size;  // tenths of a point
  int weight;
  int italic;
  int underline;
  int strikeOut;
  COLORREF textColor;
  int chosen;  // 1 once the user picked a font
};
