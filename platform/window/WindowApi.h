#pragma once
// The window functions the editor calls: creation, the procedure chain,
// window data, properties, hooks, focus, geometry and text. Each window handle
// stands for a real Qt widget (see WindowRecord.h).

#include "platform/window/WindowSide.h"

#include "platform/win/LastError.h"
#include "platform/win/Thread.h"
#include "platform/window/WinUser.h"

#include <string>

class QWidget;

// Window classes. A class may bring a factory that builds its Qt widget; the
// standard controls register theirs, and so may hosted controls that dialog
// templates name by class.
using WidgetFactory = QWidget* (*)(HWND window, QWidget* parent);
ATOM RegisterClass(const WNDCLASS* wc);
ATOM RegisterClassWithFactory(const WNDCLASS* wc, WidgetFactory factory);
bool IsClassRegistered(LPCSTR className);
int GetClassName(HWND hWnd, LPSTR buffer, int maxCount);
std::string GetClassNameString(HWND hWnd);
ULONG_PTR GetClassLongPtr(HWND hWnd, int index);
ULONG_PTR SetClassLongPtr(HWND hWnd, int index, LONG_PTR value);
// The background of a class named directly, when no window of it is at hand.
BOOL SetClassBackground(LPCSTR className, HBRUSH brush);

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param);
inline HWND CreateWindow(LPCSTR cls, LPCSTR name, DWORD style, int x, int y, int w, int h,
                         HWND parent, HMENU menuOrId, HINSTANCE inst, LPVOID param) {
  return CreateWindowEx(0, cls, name, style, x, y, w, h, parent, menuOrId, inst, param);
}
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);

// The procedure chain.
LRESULT SendMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtr(HWND hWnd, int index);
LONG_PTR SetWindowLongPtr(HWND hWnd, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND h, int i) { return static_cast<LONG>(GetWindowLongPtr(h, i)); }
inline LONG SetWindowLong(HWND h, int i, LONG v) {
  return static_cast<LONG>(SetWindowLongPtr(h, i, v));
}
void PostQuitMessage(int exitCode);

// Properties attached to a window by name.
BOOL SetProp(HWND hWnd, LPCSTR name, HANDLE data);
HANDLE GetProp(HWND hWnd, LPCSTR name);
HANDLE RemoveProp(HWND hWnd, LPCSTR name);

// The creation hook (WH_CBT), for the calling thread only.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// Relations, geometry, state and text.
HWND GetParent(HWND hWnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hWnd);
HWND GetWindow(HWND hWnd, UINT relation);
enum : UINT { GW_HWNDNEXT = 2, GW_CHILD = 5 };
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND GetActiveWindow();
BOOL ShowWindow(HWND hWnd, int cmd);
BOOL IsWindowVisible(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL enable);
BOOL IsWindowEnabled(HWND hWnd);
BOOL MoveWindow(HWND hWnd, int x, int y, int w, int h, BOOL repaint);
BOOL SetWindowPos(HWND hWnd, HWND after, int x, int y, int w, int h, UINT flags);
BOOL GetClientRect(HWND hWnd, RECT* rect);
BOOL GetWindowRect(HWND hWnd, RECT* rect);
BOOL ScreenToClient(HWND hWnd, POINT* pt);
BOOL ClientToScreen(HWND hWnd, POINT* pt);
BOOL InvalidateRect(HWND hWnd, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hWnd);
BOOL SetWindowText(HWND hWnd, LPCSTR text);
int GetWindowText(HWND hWnd, LPSTR buffer, int maxCount);
std::string GetWindowTextString(HWND hWnd);
int GetWindowTextLength(HWND hWnd);
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int maxCount);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL MessageBeep(UINT type);
SHORT GetKeyState(int virtualKey);
UINT GetDoubleClickTime();
int GetSystemMetrics(int index);
enum : int {
  SM_CXSCREEN = 0,
  SM_CYSCREEN = 1,
  SM_CXVSCROLL = 2,
  SM_CYHSCROLL = 3,
  SM_CYCAPTION = 4,
  SM_CXHTHUMB = 10,
  SM_CYVTHUMB = 9,
  SM_CXMIN = 28,
  SM_CYMIN = 29,
  SM_CXFRAME = 32,
  SM_CYFRAME = 33,
  SM_CYSMCAPTION = 51
};

// The Qt widget behind a handle, and the handle of a widget (null when none).
QWidget* WidgetOf(HWND hWnd);
HWND HandleOf(const QWidget* widget);
