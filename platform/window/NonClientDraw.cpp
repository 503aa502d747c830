// Drawing calls for non-client areas and drag outlines.
#include "platform/window/Gdi.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowApi.h"

#include <QPainter>
#include <QWidget>

BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
  if (!dc || !rect || type != DFC_CAPTION) return FALSE;
  RECT face = *rect;
  FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &face, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  QPainter& p = dc->Painter();
  p.save();
  p.setPen(QPen(QColorOf(GetSysColor(COLOR_BTNTEXT)), 1));
  p.setBrush(Qt::NoBrush);
  // The glyph sits in the middle half of the button.
  const int w = rect->right - rect->left, h = rect->bottom - rect->top;
  const QRect g(rect->left + w / 4, rect->top + h / 4, std::max(w / 2, 2), std::max(h / 2, 2));
  switch (state & 0xF) {
    case DFCS_CAPTIONCLOSE:
      p.drawLine(g.topLeft(), g.bottomRight());
      p.drawLine(g.topRight(), g.bottomLeft());
      break;
    case DFCS_CAPTIONMIN: p.drawLine(g.left(), g.bottom(), g.right(), g.bottom()); break;
    case DFCS_CAPTIONMAX:
      p.drawRect(g.adjusted(0, 0, -1, -1));
      p.drawLine(g.left(), g.top() + 1, g.right(), g.top() + 1);
      break;
    default:  // restore: two overlapping windows
      p.drawRect(g.adjusted(2, 0, -1, -3));
      p.drawRect(g.adjusted(0, 2, -3, -1));
      break;
  }
  p.restore();
  return TRUE;
}

HDC GetDCEx(HWND window, HRGN, DWORD flags) {
  return (flags & DCX_WINDOW) ? GetWindowDC(window) : GetDC(window);
}

BOOL RedrawWindow(HWND window, const RECT* rect, HRGN, UINT flags) {
  QWidget* w = WidgetOf(window);
  if (!w) return FALSE;
  InvalidateRect(window, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
  if (flags & RDW_ALLCHILDREN)
    for (QWidget* child : w->findChildren<QWidget*>()) child->update();
  if (flags & RDW_UPDATENOW) w->repaint();
  return TRUE;
}

HBRUSH GetHalftoneBrush() {
  static GdiObject* brush = [] {
    auto* b = new GdiObject(GdiObject::Kind::Brush);
    // Only the white squares change what they are inverted over, as with the black-and-white
    // original.
    b->brush = QBrush(Qt::white, Qt::Dense4Pattern);
    b->stock = true;  // never deleted
    return b;
  }();
  return brush;
}
