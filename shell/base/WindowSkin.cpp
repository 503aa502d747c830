// Starting and stopping the skin, the creation hook and the skin records.
#include "shell/base/WindowSkin.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/Gdi.h"
#include "platform/window/Menu.h"
#include "platform/window/WindowApi.h"
#include "shell/base/SkinPainters.h"

#include <algorithm>
#include <cstring>
#include <map>

HBRUSH g_SkinBrush = nullptr;
HHOOK g_SkinHook = nullptr;
std::vector<SkinData*> g_SkinWindows;

namespace {
// Class backgrounds the skin replaced, so that stopping it leaves no class
// pointing at the deleted skin brush.
std::map<std::string, HBRUSH>& ReplacedBackgrounds() {
  static win_detail::NeverDestroyed<std::map<std::string, HBRUSH>> replaced;
  return *replaced;
}

// Windows whose skin procedure stayed inside their chain after the skin
// stopped, with the procedure it passes on to.
std::map<HWND, WNDPROC>& Unlinked() {
  static win_detail::NeverDestroyed<std::map<HWND, WNDPROC>> unlinked;
  return *unlinked;
}

bool SkinOwnsProcedure(HWND h) {
  auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(h, GWLP_WNDPROC));
  for (WNDPROC skin :
       {SkinWindowProc, SkinButtonProc, SkinComboProc, SkinStatusBarProc, SkinScrollBarProc})
    if (proc == skin) return true;
  return false;
}

bool Contains(const char* name, const char* part) { return std::strstr(name, part) != nullptr; }

bool EqualsNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

void Subclass(SkinData* data, WNDPROC proc) {
  data->previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(data->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void Skin(HWND h) {
  char className[260] = {};
  GetClassName(h, className, 260);
  auto* data = new SkinData;
  data->hwnd = h;
  if (Contains(className, "Button")) {
    Subclass(data, SkinButtonProc);
    data->button = std::make_unique<CDrawButton>();
  } else if (Contains(className, "ComboBox")) {
    Subclass(data, SkinComboProc);
    data->combo = std::make_unique<CDrawCombo>();
  } else if (Contains(className, "SysHeader32")) {
    SkinClassBackground(h);
    data->header = std::make_unique<CDrawHeader>();
  } else if (EqualsNoCase(className, "#32768")) {
    delete data;  // popup menus keep their look and get no record
    return;
  } else if (Contains(className, "msctls_statusbar")) {
    Subclass(data, SkinStatusBarProc);
  } else if (Contains(className, "ScrollBar")) {
    Subclass(data, SkinScrollBarProc);
  } else {
    Subclass(data, SkinWindowProc);
  }
  g_SkinWindows.push_back(data);
  SetProp(h, kSkinProperty, data);
}
}  // namespace

void SkinClassBackground(HWND h) {
  std::string name = GetClassNameString(h);
  auto current = reinterpret_cast<HBRUSH>(GetClassLongPtr(h, GCLP_HBRBACKGROUND));
  if (current != g_SkinBrush && !ReplacedBackgrounds().count(name))
    ReplacedBackgrounds()[name] = current;
  SetClassLongPtr(h, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(g_SkinBrush));
}

SkinData::SkinData() = default;
SkinData::~SkinData() = default;

LRESULT SkinPassOn(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto it = Unlinked().find(h);
  if (it == Unlinked().end()) return DefWindowProc(h, msg, w, l);
  WNDPROC previous = it->second;
  if (msg == WM_NCDESTROY) Unlinked().erase(it);
  return CallWindowProc(previous, h, msg, w, l);
}

SkinData* SkinDataOf(HWND hWnd) { return static_cast<SkinData*>(GetProp(hWnd, kSkinProperty)); }

void SkinForget(HWND hWnd) {
  SkinData* data = SkinDataOf(hWnd);
  if (!data) return;
  RemoveProp(hWnd, kSkinProperty);
  g_SkinWindows.erase(std::remove(g_SkinWindows.begin(), g_SkinWindows.end(), data),
                      g_SkinWindows.end());
  delete data;
}

void SkinStart() {
  if (g_SkinHook) return;  // already on: the records and brush in use stay
  g_SkinBrush = CreateSolidBrush(kSkinColor);
  g_SkinWindows.clear();
  g_SkinWindows.reserve(100);
  g_SkinHook = SetWindowsHookEx(WH_CBT, SkinCreateHook, nullptr, GetCurrentThreadId());
}

int SkinStop() {
  if (!g_SkinHook) return -1;
  if (!UnhookWindowsHookEx(g_SkinHook)) return static_cast<int>(GetLastError());
  g_SkinHook = nullptr;
  for (SkinData* data : g_SkinWindows) {
    if (data->previous && IsWindow(data->hwnd)) {
      // A procedure installed after the skin's stays first; the skin's
      // then only passes on.
      if (SkinOwnsProcedure(data->hwnd))
        SetWindowLongPtr(data->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(data->previous));
      else
        Unlinked()[data->hwnd] = data->previous;
    }
    RemoveProp(data->hwnd, kSkinProperty);
    delete data;
  }
  g_SkinWindows.clear();
  for (auto& [name, brush] : ReplacedBackgrounds()) SetClassBackground(name.c_str(), brush);
  ReplacedBackgrounds().clear();
  DeleteObject(g_SkinBrush);
  g_SkinBrush = nullptr;
  return 0;
}

int SkinUnhook() {
  if (!UnhookWindowsHookEx(g_SkinHook)) return static_cast<int>(GetLastError());
  g_SkinHook = nullptr;
  return 0;
}

void SetMenuBackground(HWND window, HMENU menu, COLORREF color) {
  SetMenuBackgroundColor(menu, color, true);
  if (window) SetMenu(window, menu);
}

LRESULT SkinCreateHook(int code, WPARAM wParam, LPARAM lParam) {
  auto h = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND && !GetProp(h, kSkinProperty)) {
    Skin(h);
  } else if (code == HCBT_DESTROYWND) {
    // Windows that were not subclassed see no last message of ours.
    if (SkinData* data = SkinDataOf(h); data && !data->previous) SkinForget(h);
  }
  return CallNextHookEx(g_SkinHook, code, wParam, lParam);
}
