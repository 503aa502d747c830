#include "controls/ButtonControl.h"

#include "controls/ControlObject.h"
#include "controls/GraphPicture.h"
#include "controls/SharedObjects.h"
#include "controls/SlotNames.h"
#include "platform/com/ErrorInfo.h"
#include "platform/window/DispatchGuard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace hosted {

using namespace SG;

namespace {

class ButtonObject : public ControlObject {
 public:
  explicit ButtonObject(ButtonWidget* w)
      : ControlObject(IID_CSgButton, kButtonSpecs, &bag_, SG_METHOD_SLOTS(SG_BUTTON_METHODS)),
        w_(w),
        shared_(std::make_shared<SharedObjects>()) {}

 protected:
  bool Handle(UINT slot, const SlotValue* a, UINT n, SlotValue* r, HRESULT* hr) override {
    if (!w_) return *hr = ReportError(E_FAIL, "The button has been destroyed."), true;
    using S = ButtonSlots;
    if (IsSetter(slot) && (*hr = NeedArguments(n, 1)) < 0) return true;
    switch (slot) {
      case S::GetValue: *hr = Deliver(r, w_->Value()); return true;
      case S::SetValue:
        w_->SetValue(ArgBool(a[0]));
        *hr = S_OK;
        return true;
      case S::GetColor: *hr = DeliverColor(r, w_->Color()); return true;
      case S::SetColor:
        w_->SetColor(a[0].color);
        *hr = S_OK;
        return true;
      case S::GetImage:
      case S::GetImage2: {
        if ((*hr = NeedArguments(n, 1)) < 0) return true;
        auto image = ImageByKey(*shared_, a[0]);
        *hr = image ? DeliverObject(r, NewImageObject(shared_, image)) : NoSuchItem();
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
  QPointer<ButtonWidget> w_;
  SlotBag bag_;
  std::shared_ptr<SharedObjects> shared_;
};

}  // namespace

ButtonWidget::ButtonWidget(HWND window, QWidget* parent)
    : QWidget(parent), window_(window), object_(static_cast<IDispatch*>(new ButtonObject(this))) {
  BindHostedControl(window_, this);
}

ButtonWidget::~ButtonWidget() {
  UnbindHostedControl(window_);
  object_->Release();
}

void ButtonWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(color_ & 0xFF, (color_ >> 8) & 0xFF, (color_ >> 16) & 0xFF));
  p.setPen(value_ ? Qt::white : Qt::darkGray);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ButtonWidget::mousePressEvent(QMouseEvent* event) {
  DispatchGuard::RunGuarded([&] { FireMouseDown(Events(), *event); });
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  DispatchGuard::RunGuarded([&] {
    SetValue(!value_);
    Events().Fire(kButtonClick, {});
  });
}

QWidget* NewButtonWidget(HWND window, QWidget* parent) { return new ButtonWidget(window, parent); }

}  // namespace hosted
