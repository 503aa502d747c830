#pragma once
// The library's colour value: one COLORREF (red in the lowest byte, then
// green, then blue; the top byte 0 for plain RGB) with channel access and
// translation from an OLE colour.

#include "platform/com/OleColor.h"

namespace SG {

class CSgColor {
 public:
  CSgColor() = default;
  CSgColor(BYTE red, BYTE green, BYTE blue)
      : m_value(static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 |
                static_cast<COLORREF>(blue) << 16) {}
  CSgColor(COLORREF value) : m_value(value) {}
  CSgColor(const CSgColor&) = default;
  CSgColor& operator=(const CSgColor&) = default;
  virtual ~CSgColor() = default;

  operator COLORREF() const { return m_value; }
  COLORREF GetColorRef() const { return m_value; }

  BYTE GetRed() const { return static_cast<BYTE>(m_value); }
  BYTE GetGreen() const { return static_cast<BYTE>(m_value >> 8); }
  BYTE GetBlue() const { return static_cast<BYTE>(m_value >> 16); }
  void SetRed(BYTE v) { m_value = (m_value & ~0x000000FFu) | v; }
  void SetGreen(BYTE v) { m_value = (m_value & ~0x0000FF00u) | static_cast<COLORREF>(v) << 8; }
  void SetBlue(BYTE v) { m_value = (m_value & ~0x00FF0000u) | static_cast<COLORREF>(v) << 16; }

  // System-colour and palette-relative forms become plain RGB
  // (OleTranslateColor without a palette); on failure the value stays.
  HRESULT SetOleColor(OLE_COLOR color);

  friend bool operator==(const CSgColor& a, const CSgColor& b) { return a.m_value == b.m_value; }
  friend bool operator==(const CSgColor& a, COLORREF b) { return a.m_value == b; }
  friend bool operator==(COLORREF a, const CSgColor& b) { return a == b.m_value; }
  friend bool operator!=(const CSgColor& a, const CSgColor& b) { return !(a == b); }
  friend bool operator!=(const CSgColor& a, COLORREF b) { return !(a == b); }
  friend bool operator!=(COLORREF a, const CSgColor& b) { return !(a == b); }

 private:
  COLORREF m_value = 0;
};

}  // namespace SG
