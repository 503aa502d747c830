#pragma once
// The window system's vocabulary: handles, messages, styles and the records
// that travel with messages, with the numeric values stored resources and the
// editor's private messages rely on. Narrow text is UTF-8.

#include "platform/window/WindowSide.h"

#include "platform/services/UiRequests.h"
#include "platform/win/WinTypes.h"

struct HHOOK__;
using HHOOK = HHOOK__*;
struct HMENU__;
using HMENU = HMENU__*;
using HINSTANCE = void*;
using HMODULE = void*;
using HICON = void*;
using HCURSOR = void*;
using ATOM = WORD;
struct GdiObject;
using HGDIOBJ = GdiObject*;
using HBRUSH = GdiObject*;
using HPEN = GdiObject*;
using HFONT = GdiObject*;
using HBITMAP = GdiObject*;
class DeviceContext;
using HDC = DeviceContext*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int, WPARAM, LPARAM);

struct POINT {
  LONG x = 0;
  LONG y = 0;
};
struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};
using LPRECT = RECT*;
using LPPOINT = POINT*;
using LPCRECT = const RECT*;

constexpr WORD LOWORD(DWORD_PTR v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(DWORD_PTR v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
  return static_cast<WPARAM>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
  return static_cast<LPARAM>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr int GET_X_LPARAM(LPARAM l) {
  return static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(l)));
}
constexpr int GET_Y_LPARAM(LPARAM l) {
  return static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(l)));
}
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};

struct CREATESTRUCT {
  LPVOID lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;  // child windows: the control id
  HWND hwndParent = nullptr;
  int cy = 0, cx = 0, y = 0, x = 0;
  LONG style = 0;
  LPCSTR lpszName = nullptr;
  LPCSTR lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
struct CBT_CREATEWND {
  CREATESTRUCT* lpcs = nullptr;
  HWND hwndInsertAfter = nullptr;
};

struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

struct DRAWITEMSTRUCT {
  UINT CtlType = 0, CtlID = 0, itemID = 0, itemAction = 0, itemState = 0;
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;
  RECT rcItem;
  ULONG_PTR itemData = 0;
};

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

struct WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  HBRUSH hbrBackground = nullptr;
  LPCSTR lpszClassName = nullptr;
};

// Messages. Values are the platform's: private messages are numbered from them.
// clang-format off
#define PELMORAN_WINDOW_MESSAGES(X) \
  X(WM_NULL, 0x0000)              \
  X(WM_CREATE, 0x0001)            \
  X(WM_DESTROY, 0x0002)           \
  X(WM_MOVE, 0x0003)              \
  X(WM_SIZE, 0x0005)              \
  X(WM_ACTIVATE, 0x0006)          \
  X(WM_SETFOCUS, 0x0007)          \
  X(WM_KILLFOCUS, 0x0008)         \
  X(WM_ENABLE, 0x000A)            \
  X(WM_SETTEXT, 0x000C)           \
  X(WM_GETTEXT, 0x000D)           \
  X(WM_GETTEXTLENGTH, 0x000E)     \
  X(WM_PAINT, 0x000F)             \
  X(WM_CLOSE, 0x0010)             \
  X(WM_ERASEBKGND, 0x0014)        \
  X(WM_SHOWWINDOW, 0x0018)        \
  X(WM_SETCURSOR, 0x0020)         \
  X(WM_DRAWITEM, 0x002B)          \
  X(WM_SETFONT, 0x0030)           \
  X(WM_GETFONT, 0x0031)           \
  X(WM_WINDOWPOSCHANGED, 0x0047)  \
  X(WM_NOTIFY, 0x004E)            \
  X(WM_NCCREATE, 0x0081)          \
  X(WM_NCDESTROY, 0x0082)         \
  X(WM_NCCALCSIZE, 0x0083)        \
  X(WM_NCHITTEST, 0x0084)         \
  X(WM_NCPAINT, 0x0085)           \
  X(WM_NCLBUTTONDOWN, 0x00A1)     \
  X(WM_NCLBUTTONDBLCLK, 0x00A3)   \
  X(WM_KEYDOWN, 0x0100)           \
  X(WM_KEYUP, 0x0101)             \
  X(WM_CHAR, 0x0102)              \
  X(WM_INITDIALOG, 0x0110)        \
  X(WM_COMMAND, 0x0111)           \
  X(WM_SYSCOMMAND, 0x0112)        \
  X(WM_TIMER, 0x0113)             \
  X(WM_HSCROLL, 0x0114)           \
  X(WM_VSCROLL, 0x0115)           \
  X(WM_INITMENUPOPUP, 0x0117)     \
  X(WM_CTLCOLORMSGBOX, 0x0132)    \
  X(WM_CTLCOLOREDIT, 0x0133)      \
  X(WM_CTLCOLORLISTBOX, 0x0134)   \
  X(WM_CTLCOLORBTN, 0x0135)       \
  X(WM_CTLCOLORDLG, 0x0136)       \
  X(WM_CTLCOLORSCROLLBAR, 0x0137) \
  X(WM_CTLCOLORSTATIC, 0x0138)    \
  X(WM_MOUSEMOVE, 0x0200)         \
  X(WM_LBUTTONDOWN, 0x0201)       \
  X(WM_LBUTTONUP, 0x0202)         \
  X(WM_LBUTTONDBLCLK, 0x0203)     \
  X(WM_RBUTTONDOWN, 0x0204)       \
  X(WM_RBUTTONUP, 0x0205)         \
  X(WM_RBUTTONDBLCLK, 0x0206)     \
  X(WM_MBUTTONDOWN, 0x0207)       \
  X(WM_MBUTTONUP, 0x0208)         \
  X(WM_MBUTTONDBLCLK, 0x0209)     \
  X(WM_MOUSEWHEEL, 0x020A)        \
  X(WM_CAPTURECHANGED, 0x0215)    \
  X(WM_MDIACTIVATE, 0x0222)       \
  X(WM_MOUSEHOVER, 0x02A1)        \
  X(WM_MOUSELEAVE, 0x02A3)        \
  X(WM_CUT, 0x0300)               \
  X(WM_COPY, 0x0301)              \
  X(WM_PASTE, 0x0302)             \
  X(WM_USER, 0x0400)              \
  X(WM_APP, 0x8000)
// clang-format on

enum : UINT {
#define PELMORAN_ENUM_ENTRY(name, value) name = value,
  PELMORAN_WINDOW_MESSAGES(PELMORAN_ENUM_ENTRY)
#undef PELMORAN_ENUM_ENTRY
};

// Window styles; the resource loader resolves these names, so the list is
// written once as a table.
// clang-format off
#define PELMORAN_WINDOW_STYLES(X)    \
  X(WS_OVERLAPPED, 0x00000000)       \
  X(WS_POPUP, 0x80000000)            \
  X(WS_CHILD, 0x40000000)            \
  X(WS_MINIMIZE, 0x20000000)         \
  X(WS_VISIBLE, 0x10000000)          \
  X(WS_DISABLED, 0x08000000)         \
  X(WS_CLIPSIBLINGS, 0x04000000)     \
  X(WS_CLIPCHILDREN, 0x02000000)     \
  X(WS_MAXIMIZE, 0x01000000)         \
  X(WS_CAPTION, 0x00C00000)          \
  X(WS_BORDER, 0x00800000)           \
  X(WS_DLGFRAME, 0x00400000)         \
  X(WS_VSCROLL, 0x00200000)          \
  X(WS_HSCROLL, 0x00100000)          \
  X(WS_SYSMENU, 0x00080000)          \
  X(WS_THICKFRAME, 0x00040000)       \
  X(WS_GROUP, 0x00020000)            \
  X(WS_TABSTOP, 0x00010000)          \
  X(WS_MINIMIZEBOX, 0x00020000)      \
  X(WS_MAXIMIZEBOX, 0x00010000)      \
  X(WS_OVERLAPPEDWINDOW, 0x00CF0000) \
  X(DS_MODALFRAME, 0x0080)           \
  X(DS_SETFONT, 0x0040)              \
  X(DS_CONTROL, 0x0400)              \
  X(DS_CENTER, 0x0800)               \
  X(BS_PUSHBUTTON, 0x0000)           \
  X(BS_DEFPUSHBUTTON, 0x0001)        \
  X(BS_CHECKBOX, 0x0002)             \
  X(BS_AUTOCHECKBOX, 0x0003)         \
  X(BS_RADIOBUTTON, 0x0004)          \
  X(BS_3STATE, 0x0005)               \
  X(BS_AUTO3STATE, 0x0006)           \
  X(BS_GROUPBOX, 0x0007)             \
  X(BS_AUTORADIOBUTTON, 0x0009)      \
  X(BS_OWNERDRAW, 0x000B)            \
  X(BS_BITMAP, 0x0080)               \
  X(BS_TYPEMASK, 0x000F)             \
  X(ES_LEFT, 0x0000)                 \
  X(ES_CENTER, 0x0001)               \
  X(ES_RIGHT, 0x0002)                \
  X(ES_MULTILINE, 0x0004)            \
  X(ES_PASSWORD, 0x0020)             \
  X(ES_AUTOVSCROLL, 0x0040)          \
  X(ES_AUTOHSCROLL, 0x0080)          \
  X(ES_NOHIDESEL, 0x0100)            \
  X(ES_READONLY, 0x0800)             \
  X(ES_WANTRETURN, 0x1000)           \
  X(ES_NUMBER, 0x2000)               \
  X(CBS_SIMPLE, 0x0001)              \
  X(CBS_DROPDOWN, 0x0002)            \
  X(CBS_DROPDOWNLIST, 0x0003)        \
  X(CBS_AUTOHSCROLL, 0x0040)         \
  X(CBS_OEMCONVERT, 0x0080)          \
  X(CBS_SORT, 0x0100)                \
  X(CBS_DISABLENOSCROLL, 0x0800)     \
  X(SS_LEFT, 0x0000)                 \
  X(SS_CENTER, 0x0001)               \
  X(SS_RIGHT, 0x0002)                \
  X(SS_BLACKFRAME, 0x0007)           \
  X(SS_BITMAP, 0x000E)               \
  X(SS_ETCHEDHORZ, 0x0010)           \
  X(SS_CENTERIMAGE, 0x0200)          \
  X(SS_SUNKEN, 0x1000)               \
  X(SBS_HORZ, 0x0000)                \
  X(SBS_VERT, 0x0001)                \
  X(SBS_SIZEGRIP, 0x0010)            \
  X(LVS_ICON, 0x0000)                \
  X(LVS_REPORT, 0x0001)              \
  X(LVS_SMALLICON, 0x0002)           \
  X(LVS_LIST, 0x0003)                \
  X(LVS_TYPEMASK, 0x0003)            \
  X(LVS_SINGLESEL, 0x0004)           \
  X(LVS_SHOWSELALWAYS, 0x0008)       \
  X(LVS_EDITLABELS, 0x0200)          \
  X(LVS_NOSORTHEADER, 0x8000)        \
  X(UDS_SETBUDDYINT, 0x0002)         \
  X(UDS_ALIGNRIGHT, 0x0004)          \
  X(UDS_AUTOBUDDY, 0x0010)           \
  X(UDS_ARROWKEYS, 0x0020)           \
  X(UDS_HORZ, 0x0040)                \
  X(TBS_HORZ, 0x0000)                \
  X(TBS_VERT, 0x0002)                \
  X(TBS_AUTOTICKS, 0x0001)           \
  X(SBARS_SIZEGRIP, 0x0100)
// clang-format on

enum : DWORD {
#define PELMORAN_ENUM_ENTRY(name, value) name = value,
  PELMORAN_WINDOW_STYLES(PELMORAN_ENUM_ENTRY)
#undef PELMORAN_ENUM_ENTRY
};

// Notification codes and control messages.
enum : UINT {
  BN_CLICKED = 0,
  BN_DOUBLECLICKED = 5,
  EN_SETFOCUS = 0x0100,
  EN_KILLFOCUS = 0x0200,
  EN_CHANGE = 0x0300,
  EN_UPDATE = 0x0400,
  CBN_SELCHANGE = 1,
  CBN_DBLCLK = 2,
  CBN_SETFOCUS = 3,
  CBN_KILLFOCUS = 4,
  CBN_EDITCHANGE = 5,
  CBN_DROPDOWN = 7,
  CBN_CLOSEUP = 8,
  CBN_SELENDOK = 9,
  BM_GETCHECK = 0x00F0,
  BM_SETCHECK = 0x00F1,
  BM_GETSTATE = 0x00F2,
  BM_SETSTATE = 0x00F3,
  BM_SETSTYLE = 0x00F4,
  BM_CLICK = 0x00F5,
  BM_GETIMAGE = 0x00F6,
  BM_SETIMAGE = 0x00F7,
  IMAGE_BITMAP = 0,
  EM_GETSEL = 0x00B0,
  EM_SETSEL = 0x00B1,
  EM_SCROLLCARET = 0x00B7,
  EM_LIMITTEXT = 0x00C5,
  EM_SETREADONLY = 0x00CF,
  EM_REPLACESEL = 0x00C2,
  CB_GETEDITSEL = 0x0140,
  CB_ADDSTRING = 0x0143,
  CB_DELETESTRING = 0x0144,
  CB_GETCOUNT = 0x0146,
  CB_GETCURSEL = 0x0147,
  CB_GETLBTEXT = 0x0148,
  CB_GETLBTEXTLEN = 0x0149,
  CB_INSERTSTRING = 0x014A,
  CB_RESETCONTENT = 0x014B,
  CB_FINDSTRING = 0x014C,
  CB_SELECTSTRING = 0x014D,
  CB_SETCURSEL = 0x014E,
  CB_SHOWDROPDOWN = 0x014F,
  CB_GETITEMDATA = 0x0150,
  CB_SETITEMDATA = 0x0151,
  CB_FINDSTRINGEXACT = 0x0158,
  CB_GETDROPPEDSTATE = 0x0157,
  CB_ERR = static_cast<UINT>(-1),
  STM_SETIMAGE = 0x0172,  // wParam IMAGE_BITMAP, lParam the bitmap; answers the previous one
  STM_GETIMAGE = 0x0173,
  SBM_SETPOS = 0x00E0,
  SBM_GETPOS = 0x00E1,
  SBM_SETRANGE = 0x00E2,
  TBM_GETRANGEMIN = WM_USER + 1,
  TBM_GETRANGEMAX = WM_USER + 2,
  TBM_SETPAGESIZE = WM_USER + 21,
  TBM_GETPAGESIZE = WM_USER + 22,
  SB_SETTEXT = WM_USER + 1,
  SB_GETTEXT = WM_USER + 2,
  SB_GETTEXTLENGTH = WM_USER + 3,
  SB_SETPARTS = WM_USER + 4,
  SB_GETPARTS = WM_USER + 6,
  SB_GETRECT = WM_USER + 10,
  SB_SETBKCOLOR = 0x2001,
  DM_GETDEFID = WM_USER + 0,
  DM_SETDEFID = WM_USER + 1,
  BST_UNCHECKED = 0,
  BST_CHECKED = 1,
  BST_INDETERMINATE = 2,
  BST_PUSHED = 4,
  BST_FOCUS = 8,
};

// Scroll codes of WM_HSCROLL / WM_VSCROLL.
enum : UINT {
  SB_LINEUP = 0,
  SB_LINEDOWN = 1,
  SB_PAGEUP = 2,
  SB_PAGEDOWN = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_BOTTOM = 7,
  SB_ENDSCROLL = 8,
  SB_HORZ = 0,
  SB_VERT = 1,
  SB_CTL = 2
};

// The static controls' id (dialog results and box types: UiRequests.h).
enum : int { IDC_STATIC = -1 };

// Window data slots, class data, show commands, hooks, key states.
enum : int {
  GWLP_WNDPROC = -4,
  GWLP_HINSTANCE = -6,
  GWLP_HWNDPARENT = -8,
  GWL_STYLE = -16,
  GWL_EXSTYLE = -20,
  GWLP_USERDATA = -21,
  GWLP_ID = -12,
  DWLP_MSGRESULT = 0,
  GCLP_HBRBACKGROUND = -10,
  GCL_STYLE = -26
};
enum : int {
  SW_HIDE = 0,
  SW_SHOWNORMAL = 1,
  SW_SHOW = 5,
  SW_SHOWMAXIMIZED = 3,
  SW_SHOWNOACTIVATE = 4,
  SW_MINIMIZE = 6,
  SW_SHOWNA = 8,
  SW_RESTORE = 9
};
enum : int { WH_CBT = 5, HCBT_CREATEWND = 3, HCBT_DESTROYWND = 4, HCBT_ACTIVATE = 5 };
enum : UINT { CS_VREDRAW = 0x1, CS_HREDRAW = 0x2, CS_DBLCLKS = 0x8, CS_NOCLOSE = 0x200 };
enum : UINT {
  TME_HOVER = 0x1,
  TME_LEAVE = 0x2,
  TME_CANCEL = 0x80000000,
  HOVER_DEFAULT = 0xFFFFFFFF
};
enum : WPARAM {
  MK_LBUTTON = 0x1,
  MK_RBUTTON = 0x2,
  MK_SHIFT = 0x4,
  MK_CONTROL = 0x8,
  MK_MBUTTON = 0x10
};
enum : UINT { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
enum : UINT {
  ODT_BUTTON = 4,
  ODT_HEADER = 100,
  ODA_DRAWENTIRE = 1,
  ODS_SELECTED = 0x1,
  ODS_DISABLED = 0x4,
  ODS_FOCUS = 0x10
};
enum : int {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,
  VK_NEXT = 0x22,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  VK_F1 = 0x70
};
enum : UINT {
  SWP_NOSIZE = 0x1,
  SWP_NOMOVE = 0x2,
  SWP_NOZORDER = 0x4,
  SWP_NOACTIVATE = 0x10,
  SWP_SHOWWINDOW = 0x40,
  SWP_HIDEWINDOW = 0x80
};
enum : UINT {
  SC_SIZE = 0xF000,
  SC_MOVE = 0xF010,
  SC_MINIMIZE = 0xF020,
  SC_MAXIMIZE = 0xF030,
  SC_CLOSE = 0xF060,
  SC_RESTORE = 0xF120
};
enum : UINT {
  RDW_INVALIDATE = 0x1,
  RDW_ERASE = 0x4,
  RDW_UPDATENOW = 0x100,
  RDW_ALLCHILDREN = 0x80
};
