#include "platform/com/GlobalInterfaceTable.h"

#include "platform/win/NeverDestroyed.h"

#include <map>
#include <mutex>

#include "platform/com/ComInit.h"

namespace {

struct Entry {
  ComPtr<IUnknown> object;  // the registered interface, as IUnknown*
  IID iid;
};

// Lives for the whole process; its reference count never ends it.
class Table final : public IGlobalInterfaceTable {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IGlobalInterfaceTable)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IGlobalInterfaceTable*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE RegisterInterfaceInGlobal(IUnknown* unknown, REFIID riid,
                                                      DWORD* cookie) override {
    if (unknown == nullptr || cookie == nullptr) return E_INVALIDARG;
    *cookie = 0;
    void* p = nullptr;
    const HRESULT hr = unknown->QueryInterface(riid, &p);
    if (FAILED(hr)) return hr;
    std::lock_guard guard(lock_);
    *cookie = next_++;
    entries_.emplace(*cookie, Entry{ComPtr<IUnknown>::Adopt(static_cast<IUnknown*>(p)), riid});
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE RevokeInterfaceFromGlobal(DWORD cookie) override {
    ComPtr<IUnknown> released;  // released outside the lock: Release may call back
    {
      std::lock_guard guard(lock_);
      const auto it = entries_.find(cookie);
      if (it == entries_.end()) return E_INVALIDARG;
      released = std::move(it->second.object);
      entries_.erase(it);
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetInterfaceFromGlobal(DWORD cookie, REFIID riid,
                                                   void** object) override {
    if (object == nullptr) return E_INVALIDARG;
    *object = nullptr;
    if (!IsComInitializedOnThisThread()) return E_UNEXPECTED;
    ComPtr<IUnknown> found;
    {
      std::lock_guard guard(lock_);
      const auto it = entries_.find(cookie);
      if (it == entries_.end()) return E_INVALIDARG;
      found = it->second.object;
    }
    return found->QueryInterface(riid, object);
  }

  std::size_t Size() {
    std::lock_guard guard(lock_);
    return entries_.size();
  }

 private:
  std::mutex lock_;
  std::map<DWORD, Entry> entries_;
  DWORD next_ = 0x100;
};

Table& TheTable() {
  static win_detail::NeverDestroyed<Table> table;
  return *table;
}

}  // namespace

IGlobalInterfaceTable* ProcessGlobalInterfaceTable() { return &TheTable(); }
std::size_t GlobalInterfaceTableSize() { return TheTable().Size(); }
