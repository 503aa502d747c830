#pragma once
// Mouse pointers and window icons from resources. The pointer a window shows
// is settled by WM_SETCURSOR as the mouse moves over it: SetCursor inside the
// handler sets it, the default processing restores the normal arrow.

#include "platform/window/WindowSide.h"

#include "platform/window/WinUser.h"

enum : UINT { HTCLIENT = 1 };
inline constexpr UINT_PTR IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515,
                          IDC_SIZEWE = 32644, IDC_SIZENS = 32645, IDC_SIZEALL = 32646,
                          IDC_HAND = 32649;
enum : int { ICON_SMALL = 0, ICON_BIG = 1 };

// A resource cursor by id, or a standard one (IDC_ARROW...) with a null instance.
HCURSOR LoadCursor(HINSTANCE instance, UINT_PTR id);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// Where the mouse was last seen, screen coordinates.
BOOL GetCursorPos(POINT* point);
namespace cursor_detail {
void NotePosition(int x, int y);  // every mouse event the layer handles
}
HICON LoadIcon(HINSTANCE instance, UINT_PTR id);
// WM_SETICON's work: the window's icon.
void SetWindowIcon(HWND window, HICON icon);

// The wait cursor over every window of the program while it is busy
// (BeginWaitCursor / EndWaitCursor of the platform's application): nested
// waits stack; windows painting is brought up to date as a wait begins, so
// nothing stays half drawn while the program does not answer. A modal box
// or dialog opened during a wait shows the normal pointer.
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
namespace cursor_detail {
// Held while a modal box or dialog runs: during a wait it shows the normal
// pointer, the wait cursor comes back after it.
class ModalPointer {
 public:
  ModalPointer();
  ~ModalPointer();
  ModalPointer(const ModalPointer&) = delete;
  ModalPointer& operator=(const ModalPointer&) = delete;

 private:
  bool pushed_;
};
}  // namespace cursor_detail
