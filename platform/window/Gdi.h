#pragma once
// Device contexts and drawing objects over QPainter, with the platform's
// pixel rules: rectangles exclude their right and bottom edges, lines
// exclude their end point, drawing is not antialiased.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QTransform>
#include <memory>
#include <string>

class QPainter;
class QPaintDevice;
class QWidget;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  RECT rcPaint;
};

// Raster operations of pens and pattern fills: copy, or exclusive-or with
// what is there (drawing twice takes it away again).
enum : int { R2_NOT = 6, R2_XORPEN = 7, R2_NOTXORPEN = 10, R2_COPYPEN = 13 };
enum : DWORD { PATCOPY = 0x00F00021, PATINVERT = 0x005A0049, DSTINVERT = 0x00550009 };
enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_NULL = 5 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int {
  WHITE_BRUSH = 0,
  LTGRAY_BRUSH = 1,
  GRAY_BRUSH = 2,
  BLACK_BRUSH = 4,
  NULL_BRUSH = 5,
  WHITE_PEN = 6,
  BLACK_PEN = 7,
  NULL_PEN = 8,
  DEFAULT_GUI_FONT = 17
};
enum : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_WINDOW = 5,
  COLOR_WINDOWTEXT = 8,
  COLOR_3DFACE = 15,
  COLOR_BTNFACE = 15,
  COLOR_3DSHADOW = 16,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_3DHIGHLIGHT = 20,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22
};
enum : UINT {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_NOPREFIX = 0x800,
  DT_CALCRECT = 0x400,
  DT_END_ELLIPSIS = 0x8000
};
enum : int {
  LOGPIXELSX = 88,
  LOGPIXELSY = 90,
  HORZRES = 8,
  VERTRES = 10,
  HORZSIZE = 4,
  VERTSIZE = 6
};
enum : UINT { SRCCOPY = 0x00CC0020 };
enum : UINT {
  BDR_RAISEDOUTER = 0x1,
  BDR_SUNKENOUTER = 0x2,
  BDR_RAISEDINNER = 0x4,
  BDR_SUNKENINNER = 0x8,
  EDGE_RAISED = 0x5,
  EDGE_SUNKEN = 0xA,
  BF_RECT = 0xF
};

struct GdiObject {
  enum class Kind { Pen, Brush, Font, Bitmap };
  explicit GdiObject(Kind k) : kind(k) { ++Live(); }
  ~GdiObject() { --Live(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  // How many exist now, so tests can tell a leak.
  static int& Live() {
    static int live = 0;
    return live;
  }
  Kind kind;
  QPen pen;
  QBrush brush;
  QFont font;
  LOGFONT logFont;
  QImage image;
  bool stock = false;
};

// A drawing surface: a widget being painted, an image, a printer page.
class DeviceContext {
 public:
  DeviceContext(QPaintDevice* device, HWND window, bool ownsPainter = true);
  explicit DeviceContext(QPainter* borrowed);
  virtual ~DeviceContext();
  QPainter& Painter() { return *painter_; }
  void Retarget(QPaintDevice* device);  // memory DCs follow their selected bitmap
  HWND Window() const { return window_; }
  int Dpi() const;

  HPEN pen;
  HBRUSH brush;
  HFONT font;
  HBITMAP bitmap = nullptr;  // memory DCs: the selected bitmap
  POINT windowOrigin;        // the logical point at the viewport origin
  POINT viewportOrigin;      // the device point the window origin maps to
  QTransform baseTransform;
  COLORREF textColor = 0;
  COLORREF backColor = 0xFFFFFF;
  int backMode = OPAQUE;
  int rop2 = R2_COPYPEN;
  POINT current;
  std::vector<std::tuple<HPEN, HBRUSH, HFONT, COLORREF, COLORREF, int>> saved;

 private:
  QPainter* painter_;
  std::unique_ptr<QPainter> owned_;
  HWND window_ = nullptr;
};

QColor QColorOf(COLORREF c);
COLORREF ColorRefOf(const QColor& c);
QFont QFontOf(HFONT font);
QRect QRectOf(const RECT& r);  // the pixels the platform covers: [left, right) x [top, bottom)
RECT RectOf(const QRect& r);
int MulDiv(int number, int numerator, int denominator);

HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirect(const LOGFONT* lf);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A bitmap resource by id (the instance is not used); null when there is none.
HBITMAP LoadBitmap(HINSTANCE instance, UINT id);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetObject(HGDIOBJ object, int size, void* out);  // LOGFONT of a font
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC dc);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);
int GetDeviceCaps(HDC dc, int index);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length);
int DrawText(HDC dc, LPCSTR text, int length, RECT* rect, UINT format);
BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

int SetROP2(HDC dc, int mode);
BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop);

namespace gdi_detail {
// Drawing done outside painting, shown over the window's own painting.
void PaintOverlay(HWND window, QWidget* widget);
void ClearOverlay(HWND window);
void SelectOverlayLayer(HDC dc, bool exclusive);
}  // namespace gdi_detail
