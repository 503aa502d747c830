// The dialog window class "#32770": the dialog procedure's default
// processing, its background and the close box as Cancel.
#include "platform/window/Dialogs.h"
#include "platform/window/Gdi.h"
#include "platform/window/StandardControls.h"
#include "platform/window/WindowWidget.h"

namespace controls {
namespace {
constexpr const char* kDialogProc = "__pelmoran_dlgproc";

LRESULT DialogProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (auto proc = reinterpret_cast<DLGPROC>(GetProp(h, kDialogProc))) {
    INT_PTR handled = proc(h, msg, w, l);
    if (msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)) {
      if (handled || msg == WM_INITDIALOG) return handled;
    } else if (handled) {
      return GetWindowLongPtr(h, DWLP_MSGRESULT);
    }
  }
  switch (msg) {
    case WM_ERASEBKGND: {
      auto dc = reinterpret_cast<HDC>(w);
      auto brush =
          reinterpret_cast<HBRUSH>(SendMessage(h, WM_CTLCOLORDLG, w, reinterpret_cast<LPARAM>(h)));
      RECT rc;
      GetClientRect(h, &rc);
      FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CLOSE:
      SendMessage(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                  reinterpret_cast<LPARAM>(GetDlgItem(h, IDCANCEL)));
      return 0;
    case WM_INITDIALOG: return TRUE;
    case DM_GETDEFID: {
      for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetClassNameString(c) == "Button" &&
            (GetWindowLongPtr(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
          return MAKELPARAM(static_cast<WORD>(GetDlgCtrlID(c)), 0x534B);  // 0x534B: "has a default"
      return MAKELPARAM(IDOK, 0x534B);
    }
    default: return DefWindowProc(h, msg, w, l);
  }
}

QWidget* MakeDialog(HWND h, QWidget* parent) {
  auto* widget = new WindowWidget(h, parent);
  if (!parent) widget->setWindowFlags(Qt::Dialog);
  return widget;
}

// Popup menus get a window of the platform's popup class, so that the
// creation hook sees them; Qt draws and runs the menu itself.
LRESULT PopupMenuProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return DefWindowProc(h, msg, w, l); }
}  // namespace

void RegisterDialogClass() { Register("#32770", DialogProc, MakeDialog); }
void RegisterPopupMenuClass() { Register("#32768", PopupMenuProc, nullptr); }
}  // namespace controls

namespace dialog_detail {
const char* DialogProcProperty() { return controls::kDialogProc; }
}  // namespace dialog_detail
