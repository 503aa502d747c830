#pragma once
// COM initialisation per thread, counted as on the platform: the first
// CoInitialize of a thread returns S_OK, later ones S_FALSE, each matched by
// a CoUninitialize. Objects here are all in-process and thread-agnostic;
// only the Global Interface Table asks whether the calling thread has
// initialised COM (GetInterfaceFromGlobal fails with E_UNEXPECTED if not).

#include "platform/com/Unknown.h"

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD COINIT_DISABLE_OLE1DDE = 0x4;

HRESULT CoInitialize(LPVOID reserved);
// RPC_E_CHANGED_MODE when the thread already chose the other threading model.
HRESULT CoInitializeEx(LPVOID reserved, DWORD flags);
void CoUninitialize();
HRESULT OleInitialize(LPVOID reserved);
void OleUninitialize();
bool IsComInitializedOnThisThread();

// Puts an object into its running state. Every object here runs from
// creation, so this only checks the pointer (E_INVALIDARG for NULL).
HRESULT OleRun(LPUNKNOWN object);

// CoInitialize for one scope (tests and worker threads).
class ComInitScope {
 public:
  ComInitScope() : result_(CoInitialize(nullptr)) {}
  ~ComInitScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComInitScope(const ComInitScope&) = delete;
  ComInitScope& operator=(const ComInitScope&) = delete;
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};
