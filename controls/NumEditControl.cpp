#include "controls/NumEditControl.h"

#include "controls/ControlObject.h"
#include "controls/GraphPicture.h"
#include "controls/SharedObjects.h"
#include "controls/SlotNames.h"
#include "platform/com/ErrorInfo.h"
#include "platform/window/DispatchGuard.h"
#include "platform/window/WindowApi.h"

#include <QMouseEvent>
#include <QPointer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hosted {

using namespace SG;

namespace {

// A display format must hold exactly one conversion for a double.
bool ValidFormat(const std::string& f) {
  int conversions = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%') continue;
    if (i + 1 < f.size() && f[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < f.size() &&
           std::string_view("+- #0123456789.l").find(f[j]) != std::string_view::npos)
      ++j;
    if (j >= f.size() || std::string_view("eEfFgG").find(f[j]) == std::string_view::npos)
      return false;
    ++conversions;
    i = j;
  }
  return conversions == 1;
}

class NumEditObject : public ControlObject {
 public:
  explicit NumEditObject(NumEditWidget* w)
      : ControlObject(IID_CSgNumEdit, kNumEditSpecs, &bag_, SG_METHOD_SLOTS(SG_NUMEDIT_METHODS)),
        w_(w),
        shared_(std::make_shared<SharedObjects>()) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if (!w_) return *hr = ReportError(E_FAIL, "The numeric edit has been destroyed."), true;
    using S = NumEditSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetValue: *hr = Deliver(r, w_->Value()); return true;
      case S::SetValue:
        w_->SetValue(ArgDouble(a[0]), false);
        *hr = S_OK;
        return true;
      case S::GetFormat: *hr = Deliver(r, w_->Format()); return true;
      case S::SetFormat: {
        const std::string f = ArgText(a[0]);
        if (!ValidFormat(f))
          return *hr = ReportError(E_INVALIDARG, "The display format must show one number."), true;
        w_->SetFormat(f);
        *hr = S_OK;
        return true;
      }
      case S::GetText: *hr = Deliver(r, w_->Shown().toStdString()); return true;
      case S::SetRange: {  // the range: minimum, then maximum
        if ((*hr = NeedArguments(n, 2)) < 0) return true;
        SlotBag& bag = bag_;
        bag.Store(S::GetMinimum, a[0]);
        bag.Store(S::GetMaximum, a[1]);
        *hr = S_OK;
        return true;
      }
      case S::GetControlImage:
      case S::GetControlImageOfSize: {
        const int width = slot == S::GetControlImageOfSize && n >= 2 ? ArgInt(a[0]) : w_->width();
        const int height = slot == S::GetControlImageOfSize && n >= 2 ? ArgInt(a[1]) : w_->height();
        *hr = DeliverObject(r, NewWidgetPicture(*w_, width, height));
        return true;
      }
      case S::GetBindings: *hr = DeliverObject(r, NewBindingsObject(shared_)); return true;
    }
    return false;
  }

 private:
  QPointer<NumEditWidget> w_;
  SlotBag bag_;
  std::shared_ptr<SharedObjects> shared_;
};

}  // namespace

NumEditWidget::NumEditWidget(HWND window, QWidget* parent)
    : QLineEdit(parent),
      window_(window),
      object_(static_cast<IDispatch*>(new NumEditObject(this))) {
  setText(Shown());
  connect(this, &QLineEdit::editingFinished, this,
          [this] { DispatchGuard::RunGuarded([this] { Commit(); }); });
  BindHostedControl(window_, this);
}

NumEditWidget::~NumEditWidget() {
  UnbindHostedControl(window_);
  object_->Release();
}

void NumEditWidget::Initialize(const std::string& text) {
  for (const auto& [key, value] : TemplateEntries(text))
    if (key == "format" && ValidFormat(value)) SetFormat(value);
}

QString NumEditWidget::Shown() const {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format_.c_str(), value_);
  return QString::fromUtf8(buffer);
}

void NumEditWidget::SetFormat(const std::string& format) {
  format_ = format;
  setText(Shown());
}

void NumEditWidget::SetValue(double value, bool typed) {
  // Only a new value is reported: a handler that sets the value it was just
  // told (as the coordinate bar's clamping does) must not call itself again.
  const bool same = value == value_ || (std::isnan(value) && std::isnan(value_));
  VARIANT now{}, before{};
  before.vt = now.vt = VT_R8;
  before.dblVal = value_;
  now.dblVal = value_ = value;
  setText(Shown());
  if (same) return;
  LONG typedFlag = typed ? 1 : 0;
  Events().Fire(kValueChanged, {ByRef(&now), ByRef(&before), ByRef(&typedFlag)});
}

void NumEditWidget::Commit() {
  const QByteArray typed = text().trimmed().toUtf8();
  char* end = nullptr;
  const double value = std::strtod(typed.constData(), &end);
  if (typed.isEmpty() || end == typed.constData() || *end != '\0' || !std::isfinite(value)) {
    // Not a number (or no finite one): refused audibly, the value stays.
    MessageBeep(MB_ICONEXCLAMATION);
    setText(Shown());
    return;
  }
  SetValue(value, true);
}

void NumEditWidget::mousePressEvent(QMouseEvent* event) {
  DispatchGuard::RunGuarded([&] { FireMouseDown(Events(), *event); });
  QLineEdit::mousePressEvent(event);
}

void NumEditWidget::keyPressEvent(QKeyEvent* event) {
  DispatchGuard::RunGuarded([&] { FireKeyDown(Events(), *event); });
  QLineEdit::keyPressEvent(event);
}

QWidget* NewNumEditWidget(HWND window, QWidget* parent) {
  return new NumEditWidget(window, parent);
}

}  // namespace hosted
