#include "platform/com/ComInit.h"

namespace {
thread_local int t_initCount = 0;
thread_local DWORD t_model = 0;
}  // namespace

HRESULT CoInitialize(LPVOID reserved) { return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED); }

HRESULT CoInitializeEx(LPVOID, DWORD flags) {
  const DWORD model = flags & COINIT_APARTMENTTHREADED;
  if (t_initCount > 0 && model != t_model) return RPC_E_CHANGED_MODE;
  t_model = model;
  return t_initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
  if (t_initCount > 0) --t_initCount;
}

HRESULT OleInitialize(LPVOID reserved) {
  return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}
void OleUninitialize() { CoUninitialize(); }

bool IsComInitializedOnThisThread() { return t_initCount > 0; }

HRESULT OleRun(LPUNKNOWN object) { return object != nullptr ? S_OK : E_INVALIDARG; }
