#pragma once
// CPoint, CSize and CRect: the framework's value types over POINT, SIZE and RECT.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <algorithm>

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(int x0, int y0) { x = x0, y = y0; }
  CPoint(POINT p) : POINT(p) {}
  explicit CPoint(LPARAM l) { x = GET_X_LPARAM(l), y = GET_Y_LPARAM(l); }
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
  CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
  CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
};

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(int w, int h) { cx = w, cy = h; }
  CSize(SIZE s) : SIZE(s) {}
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  CRect(const RECT& r) : RECT(r) {}
  CRect(POINT topLeft, SIZE size) {
    left = topLeft.x, top = topLeft.y, right = left + size.cx, bottom = top + size.cy;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
  void InflateRect(int dx, int dy) { left -= dx, right += dx, top -= dy, bottom += dy; }
  void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
  bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};
