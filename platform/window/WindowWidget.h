#pragma once
// The widget of a window class without a Qt control of its own (frames,
// views, dialogs, hosted controls): its own painting is the platform's
// default, the background of its class.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

#include <QWidget>

class WindowWidget : public QWidget {
 public:
  WindowWidget(HWND window, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HWND window_;
};
