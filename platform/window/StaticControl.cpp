// "Static": text, frames and pictures. Before drawing it asks its parent for
// colours (WM_CTLCOLORSTATIC): the brush returned fills its background and
// the text colour and background mode set on the DC apply to its text. An
// SS_BITMAP static shows the bitmap STM_SETIMAGE gave it (the caller keeps
// it), at its top-left or, with SS_CENTERIMAGE, centred.
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"

#include <QPainter>
#include <QWidget>

#include <utility>

namespace controls {
namespace {
class StaticWidget : public QWidget {
 public:
  StaticWidget(HWND h, QWidget* parent) : QWidget(parent), window_(h) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    DeviceContext dc(this, window_);
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(window_, GWL_STYLE));
    RECT rc{0, 0, width(), height()};
    DWORD kind = style & 0x1F;
    if (kind == SS_ETCHEDHORZ) {
      RECT line{0, 0, width(), 2};
      DrawEdge(&dc, &line, EDGE_SUNKEN, BF_RECT);
      return;
    }
    if (kind == SS_BLACKFRAME) {
      FrameRect(&dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      return;
    }
    if (kind == SS_BITMAP) {
      PaintBitmap(dc, style);
      return;
    }
    SetBkMode(&dc, OPAQUE);
    SetBkColor(&dc, GetSysColor(COLOR_BTNFACE));
    HWND parent = GetParent(window_);
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(parent, WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(&dc),
                                                      reinterpret_cast<LPARAM>(window_)));
    if (brush) FillRect(&dc, &rc, brush);
    if (!brush) SetBkMode(&dc, TRANSPARENT);  // the parent's background shows through
    if (style & SS_SUNKEN) DrawEdge(&dc, &rc, EDGE_SUNKEN, BF_RECT);
    SelectObject(&dc, font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    if (!isEnabled()) SetTextColor(&dc, GetSysColor(COLOR_GRAYTEXT));
    UINT format = (kind == SS_CENTER  ? DT_CENTER
                   : kind == SS_RIGHT ? DT_RIGHT
                                      : DT_LEFT) |
                  DT_WORDBREAK;
    QByteArray text = windowTitle().toUtf8();
    DrawText(&dc, text.constData(), -1, &rc, format);
  }

 public:
  HFONT font_ = nullptr;
  HBITMAP bitmap_ = nullptr;

 private:
  void PaintBitmap(DeviceContext& dc, DWORD style) {
    HWND parent = GetParent(window_);
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(parent, WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(&dc),
                                                      reinterpret_cast<LPARAM>(window_)));
    RECT rc{0, 0, width(), height()};
    if (brush) FillRect(&dc, &rc, brush);
    if (!bitmap_ || bitmap_->kind != GdiObject::Kind::Bitmap) return;
    const QImage& image = bitmap_->image;
    QPoint at(0, 0);
    if (style & SS_CENTERIMAGE)
      at = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
    dc.Painter().drawImage(at, image);
  }

  HWND window_;
};

LRESULT StaticProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* widget = As<StaticWidget>(h);
  switch (msg) {
    case WM_SETTEXT:
      if (widget) {
        widget->setWindowTitle(Text(l));
        widget->update();
      }
      return TRUE;
    case STM_SETIMAGE: {
      if (!widget || w != IMAGE_BITMAP) return 0;
      HBITMAP previous = std::exchange(widget->bitmap_, reinterpret_cast<HBITMAP>(l));
      widget->update();
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETIMAGE:
      return widget && w == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(widget->bitmap_) : 0;
    case WM_SETFONT:
      if (widget) widget->font_ = reinterpret_cast<HFONT>(w);
      return DefWindowProc(h, msg, w, l);
    default: return DefWindowProc(h, msg, w, l);
  }
}

QWidget* MakeStatic(HWND h, QWidget* parent) { return new StaticWidget(h, parent); }
}  // namespace

void RegisterStatic() { Register("Static", StaticProc, MakeStatic); }
}  // namespace controls
