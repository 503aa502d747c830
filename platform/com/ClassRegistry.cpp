#include "platform/com/ClassRegistry.h"

#include "platform/win/NeverDestroyed.h"

#include <map>
#include <mutex>

#include "platform/com/GlobalInterfaceTable.h"

namespace {

struct Registration {
  CLSID clsid;
  ComPtr<IUnknown> classObject;
  DWORD context;
};

struct Registry {
  std::mutex lock;
  std::map<DWORD, Registration> byCookie;  // later registrations have larger cookies
  DWORD next = 1;
};

Registry& TheRegistry() {
  static win_detail::NeverDestroyed<Registry> registry;
  return *registry;
}

bool IsValidContext(DWORD context) {
  return context != 0 && (context & ~static_cast<DWORD>(CLSCTX_ALL)) == 0;
}

ComPtr<IUnknown> FindClassObject(REFCLSID clsid, DWORD context) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  for (auto it = registry.byCookie.rbegin(); it != registry.byCookie.rend(); ++it)
    if (IsEqualCLSID(it->second.clsid, clsid) && (it->second.context & context) != 0)
      return it->second.classObject;
  return {};
}

}  // namespace

HRESULT CoRegisterClassObject(REFCLSID clsid, LPUNKNOWN classObject, DWORD context, DWORD,
                              LPDWORD cookie) {
  if (classObject == nullptr || cookie == nullptr || !IsValidContext(context)) return E_INVALIDARG;
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  *cookie = registry.next++;
  registry.byCookie.emplace(*cookie, Registration{clsid, ComPtr<IUnknown>(classObject), context});
  return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie) {
  ComPtr<IUnknown> released;  // released outside the lock
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  const auto it = registry.byCookie.find(cookie);
  if (it == registry.byCookie.end()) return E_INVALIDARG;
  released = std::move(it->second.classObject);
  registry.byCookie.erase(it);
  return S_OK;
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, LPVOID, REFIID riid, LPVOID* object) {
  if (object == nullptr || !IsValidContext(context)) return E_INVALIDARG;
  *object = nullptr;
  const ComPtr<IUnknown> classObject = FindClassObject(clsid, context);
  if (!classObject) return REGDB_E_CLASSNOTREG;
  return classObject->QueryInterface(riid, object);
}

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID riid,
                         LPVOID* object) {
  if (object == nullptr || !IsValidContext(context)) return E_INVALIDARG;
  *object = nullptr;
  if (IsEqualCLSID(clsid, CLSID_StdGlobalInterfaceTable) && (context & CLSCTX_INPROC_SERVER)) {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return ProcessGlobalInterfaceTable()->QueryInterface(riid, object);
  }
  ComPtr<IClassFactory> factory;
  const HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory,
                                      factory.ReleaseAndGetVoidAddress());
  if (FAILED(hr)) return hr;
  return factory->CreateInstance(outer, riid, object);
}
