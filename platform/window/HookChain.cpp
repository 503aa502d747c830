// SetWindowsHookEx for the creation hook, on the calling thread only: the
// program creates every window on its user-interface thread.
#include "platform/window/HookChain.h"

#include "platform/win/NeverDestroyed.h"
#include "platform/window/WindowApi.h"

#include <algorithm>
#include <memory>
#include <vector>

struct HHOOK__ {
  int kind;
  HOOKPROC proc;
};

namespace {
std::vector<std::unique_ptr<HHOOK__>>& Hooks() {  // newest last
  static win_detail::NeverDestroyed<std::vector<std::unique_ptr<HHOOK__>>> hooks;
  return *hooks;
}

LRESULT CallFrom(size_t index, int code, WPARAM wParam, LPARAM lParam) {
  auto& hooks = Hooks();
  for (size_t i = index; i-- > 0;) {
    if (hooks[i]->kind == WH_CBT) return hooks[i]->proc(code, wParam, lParam);
  }
  return 0;
}
}  // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  if (idHook != WH_CBT || !proc || (threadId != 0 && threadId != GetCurrentThreadId())) {
    SetLastError(87);  // invalid parameter
    return nullptr;
  }
  Hooks().push_back(std::make_unique<HHOOK__>(HHOOK__{idHook, proc}));
  return Hooks().back().get();
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  auto& hooks = Hooks();
  auto it =
      std::find_if(hooks.begin(), hooks.end(), [&](const auto& h) { return h.get() == hook; });
  if (it == hooks.end()) {
    SetLastError(1404);  // invalid hook handle
    return FALSE;
  }
  hooks.erase(it);
  return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  auto& hooks = Hooks();
  auto it =
      std::find_if(hooks.begin(), hooks.end(), [&](const auto& h) { return h.get() == hook; });
  if (it == hooks.end()) return 0;
  return CallFrom(static_cast<size_t>(it - hooks.begin()), code, wParam, lParam);
}

namespace HookChain {
LRESULT CallCbt(int code, WPARAM wParam, LPARAM lParam) {
  return CallFrom(Hooks().size(), code, wParam, lParam);
}
}  // namespace HookChain
