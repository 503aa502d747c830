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
  // Always inline, as ReleaseData.
  [[gnu::always_inline]] virtual ~CSgDataProxy() { ReleaseData(); }

  // Both count fields, the element size and the byte length.
  void SetSize(unsigned int n, unsigned int size) {
    // The byte length is a 32-bit field: a buffer it cannot describe would be
    // made too small for its count. (n * size > 0xFFFFFFFF, in a form that
    // folds to one comparison for a constant element size.)
    if (size != 0 && n > 0xFFFFFFFFu / size) ThrowTooLarge();
    count = n;
    count2 = n;
    elementSize = size;
    byteLength = n * size;
  }
  // transfer: source is an array of bytes made with new[] that the proxy now
  // owns. Otherwise source is borrowed, or copied into an owned buffer when
  // copyRequired is set.
  void SetData(void* source, unsigned int n, unsigned int size, BOOL transfer) {
    SetSize(n, size);
    if (!transfer && !copyRequired)
      Borrow(source);
    else
      TakeData(source, transfer);
  }
  // A given buffer is borrowed; without one a fresh owned buffer is made.
  void SetBuffer(void* buffer, unsigned int count, unsigned int elementSize);
  // Hands over an owned array of T made with new T[].
  template <class T>
  void SetOwnedArray(T* array, unsigned int count, unsigned int elementSize) {
    SetSize(count, elementSize);
    Own(array, [](void* p) { delete[] static_cast<T*>(p); });
  }
  // Takes over other's description and data, ownership included; other is
  // left empty and owning nothing.
  void TakeOver(CSgDataProxy& other) noexcept {
    ReleaseData();
    byteLength = other.byteLength;
    elementSize = other.elementSize;
    count = other.count;
    count2 = other.count2;
    data = other.data;
    ownsData = other.ownsData;
    m_deleter = other.m_deleter;
    other.data = nullptr;
    other.ownsData = false;
    other.m_deleter = nullptr;
  }
  // Frees owned data; afterwards data is null and ownsData false. Always
  // inline, also on unwinding paths: a proxy whose address reaches no call
  // can live in registers.
  [[gnu::always_inline]] void ReleaseData() {
    if (ownsData && data && m_deleter) m_deleter(data);
    data = nullptr;
    ownsData = false;
    m_deleter = nullptr;
  }

  unsigned int byteLength = 0;
  unsigned int elementSize = 0;
  unsigned int count = 0;
  unsigned int count2 = 0;  // the count the vector slots read
  void* data = nullptr;
  bool ownsData = false;
  bool copyRequired = false;

 private:
  // Lending a container's array is the common case, so it and the size
  // check stay inline; copying, owning and the failure are out of line.
  [[noreturn]] static void ThrowTooLarge();
  void TakeData(void* source, BOOL transfer);
  void Own(void* array, void (*deleter)(void*));
  void Borrow(void* array) {
    ReleaseData();
    data = array;
  }
  void (*m_deleter)(void*) = nullptr;
};

}  // namespace SG
