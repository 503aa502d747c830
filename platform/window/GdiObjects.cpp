// Pens, brushes, fonts and bitmaps, the stock objects and the system colours.
#include "platform/window/Gdi.h"

#include <QPainter>
#include <array>
#include <cstring>

QColor QColorOf(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF ColorRefOf(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
QRect QRectOf(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
RECT RectOf(const QRect& r) {
  return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  long long half = (denominator > 0 ? denominator : -denominator) / 2;
  long long result = (product >= 0 ? product + half : product - half) / denominator;
  return static_cast<int>(result);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto* b = new GdiObject(GdiObject::Kind::Brush);
  b->brush = QBrush(QColorOf(color));
  return b;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  auto* p = new GdiObject(GdiObject::Kind::Pen);
  Qt::PenStyle qs = style == PS_NULL   ? Qt::NoPen
                    : style == PS_DASH ? Qt::DashLine
                    : style == PS_DOT  ? Qt::DotLine
                                       : Qt::SolidLine;
  p->pen = QPen(QColorOf(color), width <= 1 ? 0 : width, qs, Qt::SquareCap, Qt::MiterJoin);
  return p;
}

QFont QFontOf(HFONT font) { return font ? font->font : QFont(); }

HFONT CreateFontIndirect(const LOGFONT* lf) {
  if (!lf) return nullptr;
  auto* f = new GdiObject(GdiObject::Kind::Font);
  f->logFont = *lf;
  QFont q(QString::fromUtf8(lf->lfFaceName));
  // Negative heights are character heights in pixels, positive ones cell heights.
  int height = lf->lfHeight < 0 ? -lf->lfHeight : lf->lfHeight * 4 / 5;
  if (height > 0) q.setPixelSize(height);
  q.setWeight(static_cast<QFont::Weight>(lf->lfWeight >= 700   ? QFont::Bold
                                         : lf->lfWeight <= 300 ? QFont::Light
                                                               : QFont::Normal));
  q.setItalic(lf->lfItalic != 0);
  q.setUnderline(lf->lfUnderline != 0);
  q.setStrikeOut(lf->lfStrikeOut != 0);
  f->font = q;
  return f;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  auto* b = new GdiObject(GdiObject::Kind::Bitmap);
  b->image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  b->image.fill(Qt::black);
  return b;
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  if (!bitmap || bitmap->kind != GdiObject::Kind::Bitmap) return nullptr;
  auto* b = new GdiObject(GdiObject::Kind::Brush);
  b->brush = QBrush(bitmap->image);
  return b;
}

HGDIOBJ GetStockObject(int index) {
  static std::array<GdiObject*, 18> stock = [] {
    std::array<GdiObject*, 18> s{};
    auto brush = [](QBrush b) {
      auto* o = new GdiObject(GdiObject::Kind::Brush);
      o->brush = b;
      o->stock = true;
      return o;
    };
    auto pen = [](QPen p) {
      auto* o = new GdiObject(GdiObject::Kind::Pen);
      o->pen = p;
      o->stock = true;
      return o;
    };
    s[WHITE_BRUSH] = brush(QBrush(Qt::white));
    s[LTGRAY_BRUSH] = brush(QBrush(QColor(192, 192, 192)));
    s[GRAY_BRUSH] = brush(QBrush(QColor(128, 128, 128)));
    s[BLACK_BRUSH] = brush(QBrush(Qt::black));
    s[NULL_BRUSH] = brush(QBrush(Qt::NoBrush));
    s[WHITE_PEN] = pen(QPen(Qt::white, 0));
    s[BLACK_PEN] = pen(QPen(Qt::black, 0));
    s[NULL_PEN] = pen(QPen(Qt::NoPen));
    auto* font = new GdiObject(GdiObject::Kind::Font);
    font->stock = true;
    font->font.setPixelSize(11);
    std::strcpy(font->logFont.lfFaceName, "MS Shell Dlg");
    font->logFont.lfHeight = -11;
    s[DEFAULT_GUI_FONT] = font;
    return s;
  }();
  return index >= 0 && index < static_cast<int>(stock.size()) ? stock[static_cast<size_t>(index)]
                                                              : nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (!object || object->stock) return FALSE;
  delete object;
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc || !object) return nullptr;
  HGDIOBJ old = nullptr;
  switch (object->kind) {
    case GdiObject::Kind::Pen:
      old = dc->pen;
      dc->pen = object;
      break;
    case GdiObject::Kind::Brush:
      old = dc->brush;
      dc->brush = object;
      break;
    case GdiObject::Kind::Font:
      old = dc->font;
      dc->font = object;
      dc->Painter().setFont(object->font);
      break;
    case GdiObject::Kind::Bitmap:
      old = dc->bitmap;
      dc->bitmap = object;
      dc->Retarget(&object->image);
      break;
  }
  return old;
}

int GetObject(HGDIOBJ object, int size, void* out) {
  if (!object || object->kind != GdiObject::Kind::Font || !out ||
      size < static_cast<int>(sizeof(LOGFONT)))
    return 0;
  *static_cast<LOGFONT*>(out) = object->logFont;
  return sizeof(LOGFONT);
}

// Fixed system colours, so that drawings are the same on every desktop.
DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    case COLOR_BTNSHADOW: return RGB(160, 160, 160);
    case COLOR_GRAYTEXT: return RGB(109, 109, 109);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(105, 105, 105);
    case COLOR_3DLIGHT: return RGB(227, 227, 227);
    case COLOR_SCROLLBAR: return RGB(200, 200, 200);
    default: return RGB(0, 0, 0);
  }
}

HBRUSH GetSysColorBrush(int index) {
  static std::array<GdiObject*, 32> brushes{};
  if (index < 0 || index >= 32) return nullptr;
  auto& b = brushes[static_cast<size_t>(index)];
  if (!b) {
    b = CreateSolidBrush(GetSysColor(index));
    b->stock = true;
  }
  return b;
}
