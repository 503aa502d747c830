#include "platform/window/WindowWidget.h"

#include "platform/window/Gdi.h"

WindowWidget::WindowWidget(HWND window, QWidget* parent) : QWidget(parent), window_(window) {
  setMouseTracking(true);
}

void WindowWidget::paintEvent(QPaintEvent*) {
  PAINTSTRUCT ps;
  BeginPaint(window_, &ps);
  EndPaint(window_, &ps);
}
