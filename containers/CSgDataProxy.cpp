#include "containers/CSgDataProxy.h"

#include "platform/afx/Exception.h"

#include <cstring>
#include <memory>

namespace SG {

namespace {
void DeleteBytes(void* p) { delete[] static_cast<unsigned char*>(p); }
}  // namespace

void CSgDataProxy::SetSize(unsigned int n, unsigned int size) {
  // The byte length is a 32-bit field: a buffer it cannot describe would be
  // made too small for its count.
  if (static_cast<unsigned long long>(n) * size > 0xFFFFFFFFull) AfxThrowMemoryException();
  count = n;
  count2 = n;
  elementSize = size;
  byteLength = n * size;
}

void CSgDataProxy::ReleaseData() {
  if (ownsData && data && m_deleter) m_deleter(data);
  data = nullptr;
  ownsData = false;
  m_deleter = nullptr;
}

void CSgDataProxy::Own(void* array, void (*deleter)(void*)) {
  ReleaseData();
  data = array;
  ownsData = true;
  m_deleter = deleter;
}

void CSgDataProxy::Borrow(void* array) {
  ReleaseData();
  data = array;
}

void CSgDataProxy::SetData(void* source, unsigned int n, unsigned int size, BOOL transfer) {
  SetSize(n, size);
  if (transfer) {
    Own(source, DeleteBytes);
  } else if (!copyRequired) {
    Borrow(source);
  } else {
    auto copy = std::make_unique<unsigned char[]>(byteLength);
    if (byteLength) std::memcpy(copy.get(), source, byteLength);
    Own(copy.release(), DeleteBytes);
  }
}

void CSgDataProxy::SetBuffer(void* buffer, unsigned int n, unsigned int size) {
  SetSize(n, size);
  if (buffer) Borrow(buffer);
  else Own(new unsigned char[byteLength](), DeleteBytes);
}

}  // namespace SG
