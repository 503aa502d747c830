// Device contexts: where a window, bitmap or page is painted, with the
// selected objects and text state the drawing calls use.
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/WindowApi.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

DeviceContext::DeviceContext(QPaintDevice* device, HWND window, bool)
    : pen(GetStockObject(BLACK_PEN)), brush(GetStockObject(WHITE_BRUSH)), font(GetStockObject(DEFAULT_GUI_FONT)),
      owned_(std::make_unique<QPainter>(device)), window_(window) {
    painter_ = owned_.get();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setFont(font->font);
    baseTransform = painter_->transform();
}

DeviceContext::DeviceContext(QPainter* borrowed)
    : pen(GetStockObject(BLACK_PEN)), brush(GetStockObject(WHITE_BRUSH)), font(GetStockObject(DEFAULT_GUI_FONT)),
      painter_(borrowed) {
    baseTransform = painter_->transform();
}

DeviceContext::~DeviceContext() = default;

void DeviceContext::Retarget(QPaintDevice* device) {
    if (!owned_) return;
    owned_->end();
    owned_->begin(device);
    owned_->setRenderHint(QPainter::Antialiasing, false);
    owned_->setFont(font->font);
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

bool Painting(HWND hWnd) { return EventBridge::CurrentPaint(hWnd) != nullptr; }
}  // namespace

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* ps) {
    QWidget* w = WidgetOf(hWnd);
    if (!w || !ps) return nullptr;
    const QPaintEvent* paint = EventBridge::CurrentPaint(hWnd);
    auto* dc = paint ? new DeviceContext(w, hWnd) : new DeviceContext(&Scratch(), hWnd);
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

// Outside its paint event a widget cannot be drawn on in Qt; such a DC still
// measures text and answers device capabilities, and its drawing is dropped.
HDC GetDC(HWND hWnd) {
    QWidget* w = WidgetOf(hWnd);
    if (w && Painting(hWnd)) return new DeviceContext(w, hWnd);
    return new DeviceContext(&Scratch(), hWnd);
}

HDC GetWindowDC(HWND hWnd) { return GetDC(hWnd); }

int ReleaseDC(HWND, HDC dc) {
    delete dc;
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
    size_t target = saved < 0 ? dc->saved.size() + static_cast<size_t>(saved) : static_cast<size_t>(saved) - 1;
    while (dc->saved.size() > target) {
        std::tie(dc->pen, dc->brush, dc->font, dc->textColor, dc->backColor, dc->backMode) = dc->saved.back();
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
