#include "platform/window/StandardControls.h"

#include "platform/com/OleColor.h"
#include "platform/window/Gdi.h"

namespace controls {
ATOM Register(const char* name, WNDPROC proc, WidgetFactory factory, UINT style) {
  WNDCLASS wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  return RegisterClassWithFactory(&wc, factory);
}
}  // namespace controls

void RegisterStandardControls() {
  static const bool done = [] {
    // Every window is made after this, so a control's OLE system colour
    // translates to the colour this layer draws.
    SetSystemColorLookup([](int index) -> COLORREF { return GetSysColor(index); });
    controls::RegisterButton();
    controls::RegisterEdit();
    controls::RegisterComboBox();
    controls::RegisterStatic();
    controls::RegisterScrollControls();
    controls::RegisterUpDown();
    controls::RegisterListView();
    controls::RegisterStatusBar();
    controls::RegisterDialogClass();
    controls::RegisterPopupMenuClass();
    return true;
  }();
  (void)done;
}
