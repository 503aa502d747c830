// "Button": push buttons, check boxes, radio buttons and group boxes. Owner-
// drawn push buttons ask their parent to draw them (WM_DRAWITEM).
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"

#include <QCheckBox>
#include <QIcon>
#include <QPixmap>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace controls {
namespace {
DWORD TypeOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & BS_TYPEMASK; }
bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

class PushButton : public QPushButton {
 public:
  PushButton(HWND h, QWidget* parent) : QPushButton(parent), window_(h) {}

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (TypeOf(window_) != BS_OWNERDRAW) return QPushButton::paintEvent(e);
    DeviceContext dc(this, window_);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(window_));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (isDown() ? UINT{ODS_SELECTED} : 0u) | (isEnabled() ? 0u : UINT{ODS_DISABLED}) |
                    (hasFocus() ? UINT{ODS_FOCUS} : 0u);
    dis.hwndItem = window_;
    dis.hDC = &dc;
    dis.rcItem = RECT{0, 0, width(), height()};
    SendMessage(GetParent(window_), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  }

 private:
  HWND window_;
};

QWidget* MakeButton(HWND h, QWidget* parent) {
  DWORD type = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & BS_TYPEMASK;
  QAbstractButton* button = nullptr;
  switch (type) {
    case BS_GROUPBOX: return new QGroupBox(parent);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: {
      auto* box = new QCheckBox(parent);
      box->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
      button = box;
      break;
    }
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      button = new QRadioButton(parent);
      button->setAutoExclusive(false);  // groups follow WS_GROUP, as on the platform
      break;
    default: {
      auto* push = new PushButton(h, parent);
      push->setAutoDefault(false);
      push->setDefault(type == BS_DEFPUSHBUTTON);
      button = push;
      break;
    }
  }
  QObject::connect(button, &QAbstractButton::clicked, [h] {
    if (IsRadio(TypeOf(h))) {
      // Uncheck the other radio buttons of the group (siblings between WS_GROUP marks).
      HWND parent = GetParent(h);
      HWND first = GetWindow(parent, GW_CHILD), groupStart = first;
      for (HWND c = first; c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetWindowLongPtr(c, GWL_STYLE) & WS_GROUP) groupStart = c;
        if (c == h) break;
      }
      for (HWND c = groupStart; c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (c != groupStart && (GetWindowLongPtr(c, GWL_STYLE) & WS_GROUP)) break;
        if (c != h && GetClassNameString(c) == "Button" && IsRadio(TypeOf(c)))
          SendMessage(c, BM_SETCHECK, BST_UNCHECKED, 0);
      }
      SendMessage(h, BM_SETCHECK, BST_CHECKED, 0);
    }
    EventBridge::NotifyParent(h, BN_CLICKED);
  });
  return button;
}

LRESULT ButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  QWidget* widget = WidgetOf(h);
  auto* button = dynamic_cast<QAbstractButton*>(widget);
  auto* box = dynamic_cast<QCheckBox*>(widget);
  switch (msg) {
    case WM_SETTEXT:
      if (button)
        button->setText(Text(l));
      else if (auto* group = dynamic_cast<QGroupBox*>(widget))
        group->setTitle(Text(l));
      return TRUE;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
      QString text = button                             ? button->text()
                     : dynamic_cast<QGroupBox*>(widget) ? static_cast<QGroupBox*>(widget)->title()
                                                        : QString();
      return msg == WM_GETTEXT ? CopyText(text, w, l) : text.toUtf8().size();
    }
    case BM_GETCHECK:
      if (box && box->checkState() == Qt::PartiallyChecked) return BST_INDETERMINATE;
      return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      if (box && box->isTristate())
        box->setCheckState(w == BST_INDETERMINATE ? Qt::PartiallyChecked
                           : w == BST_CHECKED     ? Qt::Checked
                                                  : Qt::Unchecked);
      else if (button) {
        button->setCheckable(box || dynamic_cast<QRadioButton*>(widget));
        button->setChecked(w == BST_CHECKED);
      }
      return 0;
    case BM_GETSTATE:
      return (button && button->isChecked() ? UINT{BST_CHECKED} : 0u) |
             (button && button->isDown() ? UINT{BST_PUSHED} : 0u) |
             (widget && widget->hasFocus() ? UINT{BST_FOCUS} : 0u);
    case BM_SETSTATE:
      if (button) button->setDown(w != 0);
      return 0;
    case BM_CLICK:
      if (button) button->click();
      return 0;
    case BM_SETIMAGE: {  // IMAGE_BITMAP (0): the picture shows instead of the text
      if (w != IMAGE_BITMAP || !button) return 0;
      const LRESULT previous = widget->property("pelmoranImage").value<qulonglong>();
      auto* bitmap = reinterpret_cast<HBITMAP>(l);
      widget->setProperty("pelmoranImage", static_cast<qulonglong>(l));
      if (bitmap && !bitmap->image.isNull()) {
        button->setIcon(QIcon(QPixmap::fromImage(bitmap->image)));
        button->setIconSize(bitmap->image.size());
        button->setText(QString());
      } else {
        button->setIcon(QIcon());
      }
      return previous;
    }
    case BM_GETIMAGE:
      return w == IMAGE_BITMAP && widget ? widget->property("pelmoranImage").value<qulonglong>()
                                         : 0;
    case BM_SETSTYLE: {
      DWORD style = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE));
      SetWindowLongPtr(h, GWL_STYLE, static_cast<LONG_PTR>((style & ~0xFFFFu) | (w & 0xFFFF)));
      if (auto* push = dynamic_cast<QPushButton*>(widget))
        push->setDefault((w & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
      if (l) InvalidateRect(h, nullptr, TRUE);
      return 0;
    }
    default: return DefWindowProc(h, msg, w, l);
  }
}
}  // namespace

void RegisterButton() { Register("Button", ButtonProc, MakeButton, CS_DBLCLKS); }
}  // namespace controls
