#pragma once
// Object creation by class id. Classes are registered in-process with
// CoRegisterClassObject (our hosted controls register their factories at
// start-up) and created with CoCreateInstance; the standard Global Interface
// Table class is built in. No registry, no out-of-process servers.

#include "platform/com/Unknown.h"

enum CLSCTX : DWORD {
  CLSCTX_INPROC_SERVER = 0x1,
  CLSCTX_INPROC_HANDLER = 0x2,
  CLSCTX_LOCAL_SERVER = 0x4,
  CLSCTX_REMOTE_SERVER = 0x10,
  CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
  CLSCTX_SERVER = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
  CLSCTX_ALL =
      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
};

constexpr DWORD REGCLS_SINGLEUSE = 0;
constexpr DWORD REGCLS_MULTIPLEUSE = 1;
constexpr DWORD REGCLS_MULTI_SEPARATE = 2;

inline constexpr IID IID_IClassFactory = GuidFromText("00000001-0000-0000-C000-000000000046");

struct IClassFactory : IUnknown {
  static constexpr const IID& iid = IID_IClassFactory;
  virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) = 0;

 protected:
  ~IClassFactory() = default;
};

// Registers a class object (an IClassFactory) for clsid in the given
// contexts; the registry keeps a reference until CoRevokeClassObject. A
// later registration of the same class hides an earlier one until revoked.
HRESULT CoRegisterClassObject(REFCLSID clsid, LPUNKNOWN classObject, DWORD context, DWORD flags,
                              LPDWORD cookie);
HRESULT CoRevokeClassObject(DWORD cookie);  // E_INVALIDARG for an unknown cookie
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, LPVOID serverInfo, REFIID riid,
                         LPVOID* object);
// E_INVALIDARG for a null out pointer or a context with no known bit or
// unknown bits; REGDB_E_CLASSNOTREG when no class object matches the context;
// otherwise what the factory answers.
HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID riid,
                         LPVOID* object);

// A factory for our own classes: makes `new T()` and asks it for riid.
template <class T>
class ClassFactory final : public ComObject<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto instance = MakeComObject<T>();
    return instance->QueryInterface(riid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// Registers a class for the lifetime of this object (in-process server).
class ClassRegistration {
 public:
  ClassRegistration(REFCLSID clsid, IClassFactory* factory) {
    result_ =
        CoRegisterClassObject(clsid, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
  }
  ~ClassRegistration() {
    if (SUCCEEDED(result_)) CoRevokeClassObject(cookie_);
  }
  ClassRegistration(const ClassRegistration&) = delete;
  ClassRegistration& operator=(const ClassRegistration&) = delete;
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
  DWORD cookie_ = 0;
};
