#pragma once
// A process-wide registry that is built on first use and never destroyed.
// Windows, menus, hooks and COM objects are torn down by destructors that
// run after main returns (the application object, document templates,
// function statics in other files), in no order we control; the registries
// they reach must still be there then. The object lives in its own storage
// and its destructor is never run, so the last of those destructors finds
// it intact.
#include <memory>
#include <new>
#include <utility>

namespace win_detail {

template <typename T>
class NeverDestroyed {
 public:
  template <typename... Args>
  explicit NeverDestroyed(Args&&... args) {
    ::new (static_cast<void*>(storage_)) T(std::forward<Args>(args)...);
  }
  NeverDestroyed(const NeverDestroyed&) = delete;
  NeverDestroyed& operator=(const NeverDestroyed&) = delete;

  T& operator*() { return *std::launder(reinterpret_cast<T*>(storage_)); }
  T* operator->() { return &**this; }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};

}  // namespace win_detail
