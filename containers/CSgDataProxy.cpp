#include "containers/CSgDataProxy.h"

#include "platform/afx/Exception.h"

#include <cstring>
#include <memory>

namespace SG {

namespace {
void DeleteBytes(void* p) { delete[] static_cast<unsigned char*>(p); }
}  // namespace

void CSgDataProxy::ThrowTooLarge() { AfxThrowMemoryException(); }

void CSgDataProxy::Own(void* array, void (*deleter)(void*)) {
  ReleaseData();
  data = array;
  ownsData = true;
  m_deleter = deleter;
}

void CSgDataProxy::TakeData(void* source, BOOL transfer) {
  if (transfer) {
    Own(source, DeleteBytes);
  } else {
    auto copy = std::make_unique<unsigned char[]>(byteLength);
    if (byteLength) std::memcpy(copy.get(), source, byteLength);
    Own(copy.release(), DeleteBytes);
  }
}

void CSgDataProxy::SetBuffer(void* buffer, unsigned int n, unsigned int size) {
  SetSize(n, size);
  if (buffer)
    Borrow(buffer);
  else
    Own(new unsigned char[byteLength](), DeleteBytes);
}

}  // namespace SG
