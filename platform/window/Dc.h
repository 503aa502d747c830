#pragma once
// The framework's device-context and drawing-object classes over the GDI
// calls of Gdi.h.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/Gdi.h"
#include "platform/window/Geometry.h"

class CWnd;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ object);
  HGDIOBJ Detach();
  HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  BOOL CreatePen(int style, int width, COLORREF color);
  operator HPEN() const { return m_hObject; }
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreatePatternBrush(class CBitmap* bitmap);
  operator HBRUSH() const { return m_hObject; }
  static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONT* lf);
  BOOL CreatePointFont(int tenthsOfPoint, LPCSTR face, class CDC* dc = nullptr);
  int GetLogFont(LOGFONT* lf) const { return ::GetObject(m_hObject, sizeof(LOGFONT), lf); }
  operator HFONT() const { return m_hObject; }
  static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject {
 public:
  BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
  BOOL LoadBitmap(UINT id);
  operator HBITMAP() const { return m_hObject; }
};

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  static CDC* FromHandle(HDC dc);  // a wrapper that lives until the next idle moment
  BOOL Attach(HDC dc);
  HDC Detach();
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
  int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
  CPoint SetWindowOrg(int x, int y) {
    POINT previous;
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
  }
  CPoint SetViewportOrg(int x, int y) {
    POINT previous;
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
  }

  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
  HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, GetStockObject(index)); }

  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  void FillRect(LPCRECT rect, CBrush* brush) {
    ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
  }
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FrameRect(LPCRECT rect, CBrush* brush) {
    ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
  }
  void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
  BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
  BOOL Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
  BOOL RoundRect(LPCRECT r, POINT corner) {
    return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, corner.x, corner.y);
  }
  BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL Polyline(const POINT* pts, int n) { return ::Polyline(m_hDC, pts, n); }
  COLORREF SetPixel(int x, int y, COLORREF c) {
    ::SetPixel(m_hDC, x, y, c);
    return c;
  }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  BOOL TextOut(int x, int y, const CString& text) {
    return ::TextOut(m_hDC, x, y, text, text.GetLength());
  }
  int DrawText(const CString& text, LPRECT rect, UINT format) {
    return ::DrawText(m_hDC, text, text.GetLength(), rect, format);
  }
  CSize GetTextExtent(const CString& text) const;
  void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
  BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, rop);
  }

  HDC m_hDC = nullptr;

 protected:
  bool m_owned = false;  // DeleteDC on destruction
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps;

 private:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;

 private:
  HWND m_hWnd;
};
