// "ScrollBar", "msctls_trackbar32" and "msctls_updown32": each reports the
// user's moves to its parent as WM_HSCROLL / WM_VSCROLL with itself in lParam.
#include "platform/window/DispatchGuard.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/StandardControls.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSlider>

namespace controls {
namespace {
// A trackbar's keys as the platform reads them, whatever its orientation:
// left and up go toward the minimum, right and down toward the maximum, and
// so do Page Up and Page Down (Qt turns Up and Page Up of a horizontal
// slider the other way).
class TrackbarKeys : public QObject {
 public:
  explicit TrackbarKeys(QAbstractSlider* slider) : QObject(slider), slider_(slider) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    QAbstractSlider::SliderAction action;
    switch (key->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
      case Qt::Key_Right:
      case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
      case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
      case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
      case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
      case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
      default: return false;
    }
    slider_->triggerAction(action);
    return true;
  }

 private:
  QAbstractSlider* slider_;
};

void Report(HWND h, bool vertical, UINT code, int pos) {
  DispatchGuard::RunGuarded([&] {
    SendMessage(GetParent(h), vertical ? WM_VSCROLL : WM_HSCROLL,
                MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)),
                reinterpret_cast<LPARAM>(h));
  });
}

QWidget* MakeSlider(HWND h, QWidget* parent, bool trackbar) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE));
  bool vertical = trackbar ? (style & TBS_VERT) != 0 : (style & SBS_VERT) != 0;
  if (!trackbar && (style & SBS_SIZEGRIP))
    return new QWidget(parent);  // a size grip draws only its background
  QAbstractSlider* slider = trackbar ? static_cast<QAbstractSlider*>(new QSlider(parent))
                                     : static_cast<QAbstractSlider*>(new QScrollBar(parent));
  slider->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
  // A vertical trackbar has its minimum at the top, as a scroll bar does.
  // (and its keys and wheel move the thumb the way they point).
  if (trackbar && vertical) {
    slider->setInvertedAppearance(true);
    slider->setInvertedControls(true);
  }
  if (trackbar) slider->installEventFilter(new TrackbarKeys(slider));
  // Qt reports the action before it takes the new position as its value; the
  // platform's bar has moved when its parent hears of it, so a handler that
  // asks for the position gets the one the user sees.
  QObject::connect(slider, &QAbstractSlider::actionTriggered, [h, vertical, slider](int action) {
    slider->setValue(slider->sliderPosition());
    Report(h, vertical, scroll_detail::ScrollCodeOf(action), slider->value());
  });
  QObject::connect(slider, &QAbstractSlider::sliderReleased, [h, vertical, slider] {
    Report(h, vertical, SB_THUMBPOSITION, slider->value());
    Report(h, vertical, SB_ENDSCROLL, slider->value());
  });
  return slider;
}

LRESULT SliderProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* slider = As<QAbstractSlider>(h);
  if (!slider) return DefWindowProc(h, msg, w, l);
  switch (msg) {
    case SBM_SETPOS: {
      int old = slider->value();
      slider->setValue(static_cast<int>(w));
      return old;
    }
    case SBM_GETPOS: return slider->value();
    case SBM_SETRANGE: slider->setRange(static_cast<int>(w), static_cast<int>(l)); return 0;
    case TBM_GETRANGEMIN: return slider->minimum();
    case TBM_GETRANGEMAX: return slider->maximum();
    case TBM_SETPAGESIZE: {
      const int old = slider->pageStep();
      slider->setPageStep(static_cast<int>(l));
      return old;
    }
    case TBM_GETPAGESIZE: return slider->pageStep();
    default: return DefWindowProc(h, msg, w, l);
  }
}

QWidget* MakeScrollBar(HWND h, QWidget* parent) { return MakeSlider(h, parent, false); }
QWidget* MakeTrackBar(HWND h, QWidget* parent) { return MakeSlider(h, parent, true); }
}  // namespace

void RegisterScrollControls() {
  Register("ScrollBar", SliderProc, MakeScrollBar);
  Register("msctls_trackbar32", SliderProc, MakeTrackBar);
}
}  // namespace controls
