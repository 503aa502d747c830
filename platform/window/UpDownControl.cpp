// "msctls_updown32": two arrows stepping a position within a range. Each
// step first asks the parent (WM_NOTIFY UDN_DELTAPOS; a nonzero answer
// refuses it), then moves, sets the buddy's text when asked to
// (UDS_SETBUDDYINT) and reports WM_VSCROLL / WM_HSCROLL SB_THUMBPOSITION.
#include "platform/window/DispatchGuard.h"
#include "platform/window/StandardControls.h"
#include "platform/window/UpDown.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace controls {
namespace {
class UpDownWidget : public QWidget {
 public:
  UpDownWidget(HWND h, QWidget* parent) : QWidget(parent), window_(h) {
    bool horizontal = GetWindowLongPtr(h, GWL_STYLE) & UDS_HORZ;
    auto* layout =
        horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
    for (QToolButton* b : {horizontal ? down_ : up_, horizontal ? up_ : down_}) {
      b->setAutoRepeat(true);
      b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
      layout->addWidget(b);
    }
    QObject::connect(up_, &QToolButton::clicked, [this] { Step(+1); });
    QObject::connect(down_, &QToolButton::clicked, [this] { Step(-1); });
  }

  void Step(int delta) {
    DispatchGuard::RunGuarded([&] {
      HWND parent = GetParent(window_);
      if (lower > upper) delta = -delta;  // a reversed range steps the other way
      NMUPDOWN change;
      change.hdr = NMHDR{window_, static_cast<UINT_PTR>(GetDlgCtrlID(window_)), UDN_DELTAPOS};
      change.iPos = pos;
      change.iDelta = delta;
      if (parent &&
          SendMessage(parent, WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change)))
        return;
      if (!IsWindow(window_)) return;
      pos = std::clamp(pos + change.iDelta, std::min(lower, upper), std::max(lower, upper));
      if (buddy && (GetWindowLongPtr(window_, GWL_STYLE) & UDS_SETBUDDYINT))
        SetWindowText(buddy, std::to_string(pos).c_str());
      bool horizontal = GetWindowLongPtr(window_, GWL_STYLE) & UDS_HORZ;
      if (parent)
        SendMessage(parent, horizontal ? WM_HSCROLL : WM_VSCROLL,
                    MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)),
                    reinterpret_cast<LPARAM>(window_));
    });
  }

  int lower = 100, upper = 0;  // the platform's default range
  int pos = 0;
  HWND buddy = nullptr;

 private:
  HWND window_;
  QToolButton* up_;
  QToolButton* down_;
};

LRESULT UpDownProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* ud = As<UpDownWidget>(h);
  if (!ud) return DefWindowProc(h, msg, w, l);
  switch (msg) {
    case WM_CREATE:
      if (GetWindowLongPtr(h, GWL_STYLE) & UDS_AUTOBUDDY) {  // the control created just before
        HWND previous = nullptr;
        for (HWND c = GetWindow(GetParent(h), GW_CHILD); c && c != h; c = GetWindow(c, GW_HWNDNEXT))
          previous = c;
        ud->buddy = previous;
      }
      break;
    case UDM_SETRANGE:
      ud->upper = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(l)));
      ud->lower = static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(l)));
      return 0;
    case UDM_SETRANGE32:
      ud->lower = static_cast<int>(w);
      ud->upper = static_cast<int>(l);
      return 0;
    case UDM_GETRANGE:
      return MAKELPARAM(static_cast<WORD>(ud->upper), static_cast<WORD>(ud->lower));
    case UDM_GETRANGE32:
      if (w) *reinterpret_cast<int*>(w) = ud->lower;
      if (l) *reinterpret_cast<int*>(l) = ud->upper;
      return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
      int previous = ud->pos;
      int wanted = msg == UDM_SETPOS ? static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(l)))
                                     : static_cast<int>(l);
      ud->pos = std::clamp(wanted, std::min(ud->lower, ud->upper), std::max(ud->lower, ud->upper));
      return previous;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: return ud->pos;
    case UDM_SETBUDDY:
      return reinterpret_cast<LRESULT>(std::exchange(ud->buddy, reinterpret_cast<HWND>(w)));
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(ud->buddy);
    default: break;
  }
  return DefWindowProc(h, msg, w, l);
}

QWidget* MakeUpDown(HWND h, QWidget* parent) { return new UpDownWidget(h, parent); }
}  // namespace

void RegisterUpDown() { Register("msctls_updown32", UpDownProc, MakeUpDown); }

void StepUpDown(HWND updown, int delta) {
  if (auto* ud = As<UpDownWidget>(updown)) ud->Step(delta);
}
}  // namespace controls
