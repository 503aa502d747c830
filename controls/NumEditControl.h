#pragma once
// The hosted numeric edit: shows one double in its display format (a printf
// format for one double, "%g" unless set) and takes a typed one. Text that
// is not a finite number is refused with a beep and the shown value stays.
// Every change of the value, typed or set by code, raises the value-change
// event; setting the value it already holds raises none.

#include "controls/HostedControl.h"

#include <QLineEdit>

namespace hosted {

class NumEditWidget : public QLineEdit, public HostedControl {
 public:
  NumEditWidget(HWND window, QWidget* parent);
  ~NumEditWidget() override;
  IDispatch* Dispatch() override { return object_; }
  // Text "format=%.3f": the display format (one that does not show one
  // number is ignored).
  void Initialize(const std::string& text) override;

  double Value() const { return value_; }
  void SetValue(double value, bool typed);
  std::string Format() const { return format_; }
  void SetFormat(const std::string& format);
  QString Shown() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Commit();
  HWND window_;
  IDispatch* object_;
  double value_ = 0.0;
  std::string format_ = "%g";
};

QWidget* NewNumEditWidget(HWND window, QWidget* parent);

}  // namespace hosted
