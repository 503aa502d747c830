// The drawing calls, each mapped to QPainter with the platform's pixel rules.
#include "platform/window/Gdi.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
// Shapes are outlined with the selected pen and filled with the selected
// brush; a 1-pixel outline covers [left, right - 1] as on the platform.
void Shape(HDC dc, int l, int t, int r, int b, const std::function<void(QPainter&, QRect)>& draw) {
  QPainter& p = dc->Painter();
  p.setPen(dc->pen->pen);
  p.setBrush(dc->brush->brush);
  draw(p, QRect(l, t, r - l - 1, b - t - 1));
}

void DrawString(HDC dc, const QRect& box, int flags, const QString& text) {
  QPainter& p = dc->Painter();
  p.setFont(dc->font->font);
  if (dc->backMode == OPAQUE) p.fillRect(p.boundingRect(box, flags, text), QColorOf(dc->backColor));
  p.setPen(QColorOf(dc->textColor));
  p.drawText(box, flags, text);
}

QString TextOf(LPCSTR text, int length) {
  return length < 0 ? QString::fromUtf8(text) : QString::fromUtf8(text, length);
}
}  // namespace

COLORREF SetTextColor(HDC dc, COLORREF color) {
  return dc ? std::exchange(dc->textColor, color) : 0;
}
COLORREF SetBkColor(HDC dc, COLORREF color) { return dc ? std::exchange(dc->backColor, color) : 0; }
int SetBkMode(HDC dc, int mode) { return dc ? std::exchange(dc->backMode, mode) : 0; }

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (!dc || !rect || !brush) return 0;
  dc->Painter().fillRect(QRectOf(*rect), brush->brush);
  return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (!dc || !rect || !brush) return 0;
  QRect r = QRectOf(*rect);
  QPainter& p = dc->Painter();
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), brush->brush);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush->brush);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), brush->brush);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), brush->brush);
  return 1;
}

BOOL Rectangle(HDC dc, int l, int t, int r, int b) {
  if (!dc) return FALSE;
  Shape(dc, l, t, r, b, [](QPainter& p, QRect box) { p.drawRect(box); });
  return TRUE;
}

BOOL RoundRect(HDC dc, int l, int t, int r, int b, int w, int h) {
  if (!dc) return FALSE;
  Shape(dc, l, t, r, b, [&](QPainter& p, QRect box) { p.drawRoundedRect(box, w / 2.0, h / 2.0); });
  return TRUE;
}

BOOL Ellipse(HDC dc, int l, int t, int r, int b) {
  if (!dc) return FALSE;
  Shape(dc, l, t, r, b, [](QPainter& p, QRect box) { p.drawEllipse(box); });
  return TRUE;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
  if (!dc) return FALSE;
  if (previous) *previous = dc->current;
  dc->current = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  if (!dc) return FALSE;
  QPainter& p = dc->Painter();
  p.setPen(dc->pen->pen);
  QPoint from(dc->current.x, dc->current.y), to(x, y);
  if (from != to) {
    // The end point itself is not drawn: stop one pixel short along the line.
    QPoint d = to - from;
    int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    QPoint last(from.x() + d.x() * (steps - 1) / steps, from.y() + d.y() * (steps - 1) / steps);
    p.drawLine(from, last);
  }
  dc->current = POINT{x, y};
  return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
  if (!dc || !points || count < 2) return FALSE;
  POINT saved = dc->current;
  MoveToEx(dc, points[0].x, points[0].y, nullptr);
  for (int i = 1; i < count; ++i) LineTo(dc, points[i].x, points[i].y);
  dc->current = saved;
  return TRUE;
}

BOOL SetPixel(HDC dc, int x, int y, COLORREF color) {
  if (!dc) return FALSE;
  dc->Painter().fillRect(QRect(x, y, 1, 1), QColorOf(color));
  return TRUE;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!dc || !dc->bitmap) return 0xFFFFFFFF;
  if (!dc->bitmap->image.valid(x, y)) return 0xFFFFFFFF;
  return ColorRefOf(dc->bitmap->image.pixelColor(x, y));
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
  if (!dc || !text) return FALSE;
  QString s = TextOf(text, length);
  QFontMetrics fm(dc->font->font);
  DrawString(dc, QRect(x, y, fm.horizontalAdvance(s) + 1, fm.height()),
             Qt::AlignLeft | Qt::AlignTop, s);
  return TRUE;
}

int DrawText(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
  if (!dc || !text || !rect) return 0;
  QString s = TextOf(text, length);
  if (!(format & DT_NOPREFIX)) s.replace("&&", "\x01").remove('&').replace('\x01', '&');
  int flags = (format & DT_CENTER)  ? Qt::AlignHCenter
              : (format & DT_RIGHT) ? Qt::AlignRight
                                    : Qt::AlignLeft;
  if (format & DT_SINGLELINE)
    flags |= (format & DT_VCENTER)  ? Qt::AlignVCenter
             : (format & DT_BOTTOM) ? Qt::AlignBottom
                                    : Qt::AlignTop;
  else
    flags |= Qt::AlignTop;
  if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
  QRect box = QRectOf(*rect);
  QFontMetrics fm(dc->font->font);
  if (format & DT_CALCRECT) {
    QRect needed = fm.boundingRect(box, flags, s);
    rect->right = rect->left + needed.width();
    rect->bottom = rect->top + needed.height();
    return needed.height();
  }
  DrawString(dc, box, flags, s);
  return fm.height();
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
  if (!dc || !text || !size) return FALSE;
  QFontMetrics fm(dc->font->font);
  size->cx = fm.horizontalAdvance(TextOf(text, length));
  size->cy = fm.height();
  return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  if (!dc || !rect) return FALSE;
  QPainter& p = dc->Painter();
  p.save();
  p.setPen(QPen(Qt::black, 0, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectOf(*rect).adjusted(0, 0, -1, -1));
  p.restore();
  return TRUE;
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT) {
  if (!dc || !rect) return FALSE;
  QRect r = QRectOf(*rect);
  bool raised = edge & (BDR_RAISEDOUTER | BDR_RAISEDINNER);
  QColor light = QColorOf(GetSysColor(COLOR_BTNHIGHLIGHT)),
         dark = QColorOf(GetSysColor(COLOR_3DDKSHADOW));
  QPainter& p = dc->Painter();
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), raised ? light : dark);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), raised ? light : dark);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), raised ? dark : light);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), raised ? dark : light);
  return TRUE;
}

int SetROP2(HDC dc, int mode) {
  if (!dc) return 0;
  int previous = std::exchange(dc->rop2, mode);
  bool exclusive = mode == R2_XORPEN || mode == R2_NOT || mode == R2_NOTXORPEN;
  gdi_detail::SelectOverlayLayer(dc, exclusive);
  dc->Painter().setCompositionMode(exclusive ? QPainter::RasterOp_SourceXorDestination
                                             : QPainter::CompositionMode_SourceOver);
  return previous;
}

BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop) {
  if (!dc) return FALSE;
  const bool exclusive = rop == PATINVERT || rop == DSTINVERT;
  gdi_detail::SelectOverlayLayer(dc, exclusive || dc->rop2 != R2_COPYPEN);
  QPainter& p = dc->Painter();
  p.save();
  if (exclusive) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QBrush brush = rop == DSTINVERT ? QBrush(Qt::white) : dc->brush->brush;
  p.fillRect(QRect(x, y, w, h), brush);
  p.restore();
  return TRUE;
}
