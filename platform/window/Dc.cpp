#include "platform/window/Dc.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/Resources.h"
#include "platform/window/Wnd.h"

#include <QPainter>
#include <cstring>

#include <map>
#include <memory>

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  return TRUE;
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (!object) return FALSE;
  DeleteObject();
  m_hObject = object;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() { return std::exchange(m_hObject, nullptr); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  return Attach(::CreatePen(style, width, color));
}
BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  return bitmap && Attach(::CreatePatternBrush(*bitmap));
}
BOOL CFont::CreateFontIndirect(const LOGFONT* lf) { return Attach(::CreateFontIndirect(lf)); }

BOOL CFont::CreatePointFont(int tenthsOfPoint, LPCSTR face, CDC* dc) {
  LOGFONT lf;
  int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
  lf.lfHeight = -MulDiv(tenthsOfPoint, dpi, 720);
  std::strncpy(lf.lfFaceName, face ? face : "", sizeof(lf.lfFaceName) - 1);
  return CreateFontIndirect(&lf);
}

namespace {
// Wrappers handed out by FromHandle; they own nothing and live for the run.
template <class T, class H>
T* Wrapper(H handle) {
  static win_detail::NeverDestroyed<std::map<H, std::unique_ptr<T>>> wrappers;
  if (!handle) return nullptr;
  auto& slot = (*wrappers)[handle];
  if (!slot) {
    slot = std::make_unique<T>();
    slot->m_hObject = handle;
  }
  return slot.get();
}
struct BorrowedBrush : CBrush {
  ~BorrowedBrush() override { m_hObject = nullptr; }
};
struct BorrowedFont : CFont {
  ~BorrowedFont() override { m_hObject = nullptr; }
};
}  // namespace

CBrush* CBrush::FromHandle(HBRUSH brush) { return Wrapper<BorrowedBrush>(brush); }
CFont* CFont::FromHandle(HFONT font) { return Wrapper<BorrowedFont>(font); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

HBITMAP LoadBitmap(HINSTANCE, UINT id) {
  QImage image = resources::Bitmap(id);
  if (image.isNull()) return nullptr;
  auto* bitmap = new GdiObject(GdiObject::Kind::Bitmap);
  bitmap->image = image.convertToFormat(QImage::Format_RGB32);
  return bitmap;
}

BOOL CBitmap::LoadBitmap(UINT id) {
  HBITMAP bitmap = ::LoadBitmap(nullptr, id);
  return bitmap ? Attach(bitmap) : FALSE;
}

CDC::~CDC() {
  if (m_owned) DeleteDC();
}

CDC* CDC::FromHandle(HDC dc) {
  static win_detail::NeverDestroyed<std::map<HDC, std::unique_ptr<CDC>>> wrappers;
  if (!dc) return nullptr;
  auto& slot = (*wrappers)[dc];  // DC handles are reused once freed; the wrapper follows
  if (!slot) slot = std::make_unique<CDC>();
  slot->m_hDC = dc;
  return slot.get();
}

BOOL CDC::Attach(HDC dc) {
  m_hDC = dc;
  return dc != nullptr;
}

HDC CDC::Detach() {
  m_owned = false;
  return std::exchange(m_hDC, nullptr);
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
  m_owned = true;
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  ::DeleteDC(m_hDC);
  m_hDC = nullptr;
  m_owned = false;
  return TRUE;
}

template <class T>
static T* Select(HDC dc, T* object) {
  if (!object) return nullptr;
  HGDIOBJ old = ::SelectObject(dc, object->m_hObject);
  if (!old) return nullptr;
  if constexpr (std::is_same_v<T, CBrush>)
    return CBrush::FromHandle(old);
  else if constexpr (std::is_same_v<T, CFont>)
    return CFont::FromHandle(old);
  else {
    struct Borrowed : T {
      ~Borrowed() override { this->m_hObject = nullptr; }
    };
    return Wrapper<Borrowed>(old);
  }
}

CPen* CDC::SelectObject(CPen* pen) { return Select(m_hDC, pen); }
CBrush* CDC::SelectObject(CBrush* brush) { return Select(m_hDC, brush); }
CFont* CDC::SelectObject(CFont* font) { return Select(m_hDC, font); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return Select(m_hDC, bitmap); }

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  if (rect) m_hDC->Painter().fillRect(QRectOf(*rect), QColorOf(color));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  m_hDC->Painter().fillRect(QRect(x, y, cx, cy), QColorOf(color));
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
  const RECT& r = *rect;
  int w = r.right - r.left, h = r.bottom - r.top;
  FillSolidRect(r.left, r.top, w - 1, 1, topLeft);
  FillSolidRect(r.left, r.top, 1, h - 1, topLeft);
  FillSolidRect(r.right - 1, r.top, 1, h, bottomRight);
  FillSolidRect(r.left, r.bottom - 1, w, 1, bottomRight);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT previous;
  ::MoveToEx(m_hDC, x, y, &previous);
  return CPoint(previous);
}

CSize CDC::GetTextExtent(const CString& text) const {
  SIZE size;
  ::GetTextExtentPoint32(m_hDC, text, text.GetLength(), &size);
  return CSize(size);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd()) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
  m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr) {
  m_hDC = ::GetDC(m_hWnd);
}
CClientDC::~CClientDC() {
  ::ReleaseDC(m_hWnd, m_hDC);
  m_hDC = nullptr;
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr) {
  m_hDC = ::GetWindowDC(m_hWnd);
}
CWindowDC::~CWindowDC() {
  ::ReleaseDC(m_hWnd, m_hDC);
  m_hDC = nullptr;
}
