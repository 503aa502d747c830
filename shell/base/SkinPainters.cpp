#include "shell/base/SkinPainters.h"

#include "platform/window/Gdi.h"
#include "platform/window/WindowApi.h"

#include <QHeaderView>

namespace {
void Line(HDC dc, COLORREF color, int width, POINT from, POINT to) {
  HPEN pen = CreatePen(PS_SOLID, width, color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}
}  // namespace

void CDrawButton::Draw(const DRAWITEMSTRUCT& dis) const {
  HDC dc = dis.hDC;
  SetBkMode(dc, TRANSPARENT);
  std::string text = GetWindowTextString(dis.hwndItem).substr(0, 255);
  COLORREF face, border, ink;
  if (dis.itemState & ODS_SELECTED) {
    face = pushedColor, border = kSkinPushedBorder, ink = kSkinPushedText;
  } else {
    face = hover ? hoverColor : normalColor, border = kSkinButtonBorder, ink = kSkinButtonText;
  }
  if (dis.itemState & ODS_DISABLED)
    face = kSkinDisabledFace, border = kSkinButtonBorder, ink = kSkinDisabledText;

  const RECT& rc = dis.rcItem;
  HBRUSH faceBrush = CreateSolidBrush(face);
  HPEN borderPen = CreatePen(PS_SOLID, 1, border);
  HGDIOBJ oldBrush = SelectObject(dc, faceBrush), oldPen = SelectObject(dc, borderPen);
  RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, 2, 2);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(faceBrush);
  DeleteObject(borderPen);

  SetTextColor(dc, ink);
  RECT textRect = rc;
  DrawText(dc, text.c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  // Light along the top and left, shadow (light when disabled) along the right and bottom.
  COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF dark = (dis.itemState & ODS_DISABLED) ? light : GetSysColor(COLOR_BTNSHADOW);
  FillColor(dc, RECT{rc.left, rc.top, rc.right, rc.top + 1}, light);
  FillColor(dc, RECT{rc.left, rc.top, rc.left + 1, rc.bottom}, light);
  FillColor(dc, RECT{rc.right - 2, rc.top, rc.right, rc.bottom}, dark);
  FillColor(dc, RECT{rc.left, rc.bottom - 2, rc.right, rc.bottom}, dark);

  if (dis.itemState & ODS_FOCUS) {
    RECT focus{rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2};
    DrawFocusRect(dc, &focus);
  }
}

void CDrawHeader::Draw(const DRAWITEMSTRUCT& dis) const {
  HDC dc = dis.hDC;
  FillColor(dc, dis.rcItem, kSkinColor);
  QString text;
  if (auto* header = dynamic_cast<QHeaderView*>(WidgetOf(dis.hwndItem)); header && header->model())
    text = header->model()
               ->headerData(static_cast<int>(dis.itemID), Qt::Horizontal)
               .toString()
               .left(255);
  SetBkMode(dc, TRANSPARENT);
  RECT rc = dis.rcItem;
  QByteArray bytes = text.toUtf8();
  DrawText(dc, bytes.constData(), -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CDrawCombo::Draw(HWND combo, HDC dc) const {
  RECT client;
  GetClientRect(combo, &client);
  RECT outer{0, 0, client.right - client.left, client.bottom - client.top};
  HBRUSH frame = CreateSolidBrush(kSkinComboFrame);
  FrameRect(dc, &outer, frame);
  DeleteObject(frame);
  RECT inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
  FrameRect(dc, &inner, GetSysColorBrush(COLOR_WINDOW));
  RECT strip{inner.right - 1 - GetSystemMetrics(SM_CXVSCROLL), inner.top + 1, inner.right - 1,
             inner.bottom - 1};
  FillColor(dc, strip, hover ? kSkinHoverColor : kSkinColor);
  const int cx = (strip.left + strip.right) / 2, cy = (strip.top + strip.bottom) / 2;
  const POINT strokes[3][3] = {{{cx - 4, cy - 2}, {cx, cy + 2}, {cx + 5, cy - 3}},
                               {{cx - 3, cy - 2}, {cx, cy + 1}, {cx + 4, cy - 3}},
                               {{cx - 3, cy - 3}, {cx, cy}, {cx + 4, cy - 4}}};
  for (const auto& stroke : strokes) {
    Line(dc, kSkinComboArrow, 1, stroke[0], stroke[1]);
    Line(dc, kSkinComboArrow, 1, stroke[1], stroke[2]);
  }
}
