#pragma once
// A neutral buffer description through which a container hands its data out
// (as doubles, complex pairs or raw elements), offers room for results and
// takes results back. Data is either borrowed from a container (ownsData
// false; valid until that container's next size change) or owned by the
// proxy. Owned buffers are released by ReleaseData, which the destructor
// calls: derived proxies must not delete data themselves. Each owned buffer
// keeps the deleter of the array type it was made as.

#include "platform/win/WinTypes.h"

#include <utility>

namespace SG {

class CSgDataProxy {
 public:
  CSgDataProxy() = default;
  CSgDataProxy(const CSgDataProxy&) = delete;
  CSgDataProxy& operator=(const CSgDataProxy&) = delete;
  virtual ~CSgDataProxy() { ReleaseData(); }

  // Both count fields, the element size and the byte length.
  void SetSize(unsigned int count, unsigned int elementSize);
  // transfer: source is an array of bytes made with new[] that the proxy now
  // owns. Otherwise source is borrowed, or copied into an owned buffer when
  // copyRequired is set.
  void SetData(void* source, unsigned int count, unsigned int elementSize, BOOL transfer);
  // A given buffer is borrowed; without one a fresh owned buffer is made.
  void SetBuffer(void* buffer, unsigned int count, unsigned int elementSize);
  // Hands over an owned array of T made with new T[].
  template <class T>
  void SetOwnedArray(T* array, unsigned int count, unsigned int elementSize) {
    SetSize(count, elementSize);
    Own(array, [](void* p) { delete[] static_cast<T*>(p); });
  }
  // Frees owned data; afterwards data is null and ownsData false.
  void ReleaseData();

  unsigned int byteLength = 0;
  unsigned int elementSize = 0;
  unsigned int count = 0;
  unsigned int count2 = 0;  // the count the vector slots read
  void* data = nullptr;
  bool ownsData = false;
  bool copyRequired = false;

 private:
  void Own(void* array, void (*deleter)(void*));
  void Borrow(void* array);
  void (*m_deleter)(void*) = nullptr;
};

}  // namespace SG
