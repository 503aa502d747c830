#pragma once
// IUnknown and the helpers our own COM objects and their callers use:
// ComObject<Interfaces...> gives an object a thread-safe reference count and
// QueryInterface over the listed interfaces; ComPtr<T> holds one reference.
// Every interface declares `static constexpr const IID& iid`, its identifier.

#include <atomic>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/com/Guid.h"
#include "platform/win/HResult.h"

// The platform's calling-convention markers; plain C++ virtual calls here.
#define STDMETHODCALLTYPE
#define STDMETHODIMP HRESULT STDMETHODCALLTYPE
#define STDMETHODIMP_(type) type STDMETHODCALLTYPE

inline constexpr IID IID_IUnknown = GuidFromText("00000000-0000-0000-C000-000000000046");

struct IUnknown {
  static constexpr const IID& iid = IID_IUnknown;
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;  // objects end through Release
};
using LPUNKNOWN = IUnknown*;

// Reference counting and QueryInterface for an object implementing the
// listed interfaces (each derived from IUnknown). An object starts with a
// count of 1, owned by its creator, and deletes itself at 0.
template <class... Interfaces>
class ComObject : public Interfaces... {
  static_assert(sizeof...(Interfaces) > 0);
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) {
      *object = static_cast<IUnknown*>(static_cast<First*>(this));
    } else {
      (TryInterface<Interfaces>(riid, object) || ...);
      if (*object == nullptr) *object = QueryExtra(riid);
    }
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  ULONG ReferenceCount() const { return references_.load(); }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;
  // Further identities an object answers to (for instance IID_IPictureDisp
  // for an IDispatch implementation); the pointer gets no reference here.
  virtual void* QueryExtra(REFIID) { return nullptr; }

 private:
  template <class I>
  bool TryInterface(REFIID riid, void** object) {
    if (IsEqualIID(riid, I::iid)) {
      *object = static_cast<I*>(this);
      return true;
    }
    // An interface also answers for the interface it extends (IDispatch for
    // a dispatch interface), named by its `using Parent = ...;`.
    if constexpr (requires { typename I::Parent; }) {
      if (IsEqualIID(riid, I::Parent::iid)) {
        *object = static_cast<typename I::Parent*>(static_cast<I*>(this));
        return true;
      }
    }
    return false;
  }
  std::atomic<ULONG> references_{1};
};

// One owned reference to an interface.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference of p.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ~ComPtr() { Reset(); }
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  // Takes over a reference the caller already owns.
  static ComPtr Adopt(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }
  T* Detach() { return std::exchange(p_, nullptr); }
  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  // Releases the current pointer and yields the slot for an out-parameter.
  T** ReleaseAndGetAddressOf() {
    Reset();
    return &p_;
  }
  void** ReleaseAndGetVoidAddress() { return reinterpret_cast<void**>(ReleaseAndGetAddressOf()); }

  template <class U>
  HRESULT As(ComPtr<U>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(U::iid, out.ReleaseAndGetVoidAddress());
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// Makes a new object; the ComPtr owns the creation reference.
template <class T, class... Args>
ComPtr<T> MakeComObject(Args&&... args) {
  return ComPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}
