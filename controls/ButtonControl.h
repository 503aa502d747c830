#pragma once
// The hosted two-state button, which the program uses as a colour swatch:
// it fills itself with its colour; a click toggles its value and raises the
// click event.

#include "controls/HostedControl.h"

#include <QWidget>

namespace hosted {

class ButtonWidget : public QWidget, public HostedControl {
 public:
  ButtonWidget(HWND window, QWidget* parent);
  ~ButtonWidget() override;
  IDispatch* Dispatch() override { return object_; }
  DWORD Color() const { return color_; }
  void SetColor(DWORD colorRef) {
    color_ = colorRef;
    update();
  }
  bool Value() const { return value_; }
  void SetValue(bool value) {
    value_ = value;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  HWND window_;
  IDispatch* object_;
  DWORD color_ = 0x00C0C0C0;
  bool value_ = false;
};

QWidget* NewButtonWidget(HWND window, QWidget* parent);

}  // namespace hosted
