// Device contexts: where a window, bitmap or page is painted, with the
// selected objects and text state the drawing calls use.
#include "platform/win/NeverDestroyed.h"
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/NonClient.h"
#include "platform/window/WindowApi.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <map>

DeviceContext::DeviceContext(QPaintDevice* device, HWND window, bool)
    : pen(GetStockObject(BLACK_PEN)),
      brush(GetStockObject(WHITE_BRUSH)),
      font(GetStockObject(DEFAULT_GUI_FONT)),
      owned_(std::make_unique<QPainter>(device)),
      window_(window) {
  painter_ = owned_.get();
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setFont(font->font);
  baseTransform = painter_->transform();
}

DeviceContext::DeviceContext(QPainter* borrowed)
    : pen(GetStockObject(BLACK_PEN)),
      brush(GetStockObject(WHITE_BRUSH)),
      font(GetStockObject(DEFAULT_GUI_FONT)),
      painter_(borrowed) {
  baseTransform = painter_->transform();
}

DeviceContext::~DeviceContext() = default;

void DeviceContext::Retarget(QPaintDevice* device) {
  if (!owned_) return;
  if (owned_->isActive()) owned_->end();
  owned_->begin(device);
  owned_->setRenderHint(QPainter::Antialiasing, false);
  owned_->setFont(font->font);
  baseTransform = QTransform();  // a new surface keeps the DC's origins
  owned_->setTransform(QTransform::fromTranslate(viewportOrigin.x - windowOrigin.x,
                                                 viewportOrigin.y - windowOrigin.y));
}

namespace {
// Logical point p lands on the device at p - window origin + viewport origin.
void ApplyOrigins(HDC dc) {
  QTransform shift = QTransform::fromTranslate(dc->viewportOrigin.x - dc->windowOrigin.x,
                                               dc->viewportOrigin.y - dc->windowOrigin.y);
  dc->Painter().setTransform(shift * dc->baseTransform);
}
}  // namespace

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
  if (!dc) return FALSE;
  if (previous) *previous = dc->windowOrigin;
  dc->windowOrigin = POINT{x, y};
  ApplyOrigins(dc);
  return TRUE;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
  if (!dc) return FALSE;
  if (previous) *previous = dc->viewportOrigin;
  dc->viewportOrigin = POINT{x, y};
  ApplyOrigins(dc);
  return TRUE;
}

int DeviceContext::Dpi() const {
  QPaintDevice* device = painter_->device();
  return device ? device->logicalDpiY() : 96;
}

namespace {
QImage& Scratch() {
  static QImage scratch(1, 1, QImage::Format_ARGB32);
  return scratch;
}

// Qt draws on a widget only inside its own paint event (a paint event of
// one of its inner widgets is not one).
bool Painting(HWND hWnd, const QWidget* w) {
  return w && EventBridge::CurrentPaint(hWnd) && w->testAttribute(Qt::WA_WState_InPaintEvent);
}

// A client DC starts at the client's top-left, inside the non-client area.
HDC ClientDC(HDC dc, HWND hWnd) {
  QMargins in = nc_detail::Insets(hWnd);
  if (in.isNull()) return dc;
  QPainter& p = dc->Painter();
  if (auto* w = WidgetOf(hWnd)) p.setClipRect(w->rect().marginsRemoved(in));
  p.translate(in.left(), in.top());
  dc->baseTransform = p.transform();
  return dc;
}
}  // namespace

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* ps) {
  QWidget* w = WidgetOf(hWnd);
  if (!w || !ps) return nullptr;
  const QPaintEvent* paint = EventBridge::CurrentPaint(hWnd);
  auto* dc = Painting(hWnd, w) ? ClientDC(new DeviceContext(w, hWnd), hWnd)
                               : new DeviceContext(&Scratch(), hWnd);
  ps->hdc = dc;
  ps->rcPaint = RectOf(paint ? paint->rect() : w->rect());
  ps->fErase = SendMessage(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  delete ps->hdc;
  return TRUE;
}

// Outside its paint event a widget cannot be drawn on in Qt. Drawing then
// goes to an overlay of the window, shown over its painting until the
// program invalidates the window, as drawing on the screen lasts until the
// next repaint there.
namespace {
// What was drawn outside painting: plain drawing, and exclusive-or drawing
// kept apart so that it inverts the window's own pixels when shown.
struct Overlay {
  QImage copy;       // transparent where nothing was drawn
  QImage exclusive;  // black where nothing was drawn
};

std::map<HWND, Overlay>& Overlays() {
  static win_detail::NeverDestroyed<std::map<HWND, Overlay>> overlays;
  return *overlays;
}

void Resize(QImage& image, QSize size, QImage::Format format, const QColor& empty) {
  if (image.size() == size) return;
  QImage resized(size, format);
  resized.fill(empty);
  if (!image.isNull()) QPainter(&resized).drawImage(0, 0, image);
  image = resized;
}
}  // namespace

namespace gdi_detail {
void PaintOverlay(HWND hWnd, QWidget* widget) {
  auto it = Overlays().find(hWnd);
  if (it == Overlays().end() || !widget) return;
  QPainter p(widget);
  p.drawImage(0, 0, it->second.copy);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawImage(0, 0, it->second.exclusive);
}

void ClearOverlay(HWND hWnd) { Overlays().erase(hWnd); }

// An overlay DC draws exclusive-or modes on the overlay's second layer.
void SelectOverlayLayer(HDC dc, bool exclusive) {
  auto it = Overlays().find(dc->Window());
  if (it == Overlays().end()) return;
  QPaintDevice* device = dc->Painter().device();
  if (device != &it->second.copy && device != &it->second.exclusive) return;  // not an overlay DC
  QImage& target = exclusive ? it->second.exclusive : it->second.copy;
  if (device != &target) dc->Retarget(&target);
}
}  // namespace gdi_detail

namespace {
HDC WindowDC(HWND hWnd) {
  QWidget* w = WidgetOf(hWnd);
  if (Painting(hWnd, w)) return new DeviceContext(w, hWnd);
  if (!w) return new DeviceContext(&Scratch(), hWnd);
  Overlay& overlay = Overlays()[hWnd];
  QSize size = w->size().expandedTo(QSize(1, 1));
  Resize(overlay.copy, size, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
  Resize(overlay.exclusive, size, QImage::Format_RGB32, Qt::black);
  return new DeviceContext(&overlay.copy, hWnd);
}
}  // namespace

HDC GetDC(HWND hWnd) { return ClientDC(WindowDC(hWnd), hWnd); }

HDC GetWindowDC(HWND hWnd) { return WindowDC(hWnd); }

int ReleaseDC(HWND hWnd, HDC dc) {
  auto it = Overlays().find(hWnd);
  bool onOverlay = dc && it != Overlays().end() &&
                   (dc->Painter().device() == &it->second.copy ||
                    dc->Painter().device() == &it->second.exclusive);
  delete dc;
  if (QWidget* w = WidgetOf(hWnd); w && onOverlay) w->update();
  return 1;
}

HDC CreateCompatibleDC(HDC) { return new DeviceContext(&Scratch(), nullptr); }

BOOL DeleteDC(HDC dc) {
  delete dc;
  return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
  QPaintDevice* device = dc ? dc->Painter().device() : nullptr;
  switch (index) {
    case LOGPIXELSX: return device ? device->logicalDpiX() : 96;
    case LOGPIXELSY: return device ? device->logicalDpiY() : 96;
    case HORZRES: return device ? device->width() : 0;
    case VERTRES: return device ? device->height() : 0;
    case HORZSIZE: return device ? device->widthMM() : 0;
    case VERTSIZE: return device ? device->heightMM() : 0;
    default: return 0;
  }
}

int SaveDC(HDC dc) {
  if (!dc) return 0;
  dc->saved.emplace_back(dc->pen, dc->brush, dc->font, dc->textColor, dc->backColor, dc->backMode);
  dc->Painter().save();
  return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC dc, int saved) {
  if (!dc || dc->saved.empty()) return FALSE;
  size_t target =
      saved < 0 ? dc->saved.size() + static_cast<size_t>(saved) : static_cast<size_t>(saved) - 1;
  while (dc->saved.size() > target) {
    std::tie(dc->pen, dc->brush, dc->font, dc->textColor, dc->backColor, dc->backMode) =
        dc->saved.back();
    dc->saved.pop_back();
    dc->Painter().restore();
  }
  dc->Painter().setFont(dc->font->font);
  return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD) {
  if (!dest || !src || !src->bitmap) return FALSE;
  dest->Painter().drawImage(QRect(x, y, w, h), src->bitmap->image, QRect(sx, sy, w, h));
  return TRUE;
}
