#include "instrument/BlockBuffer.h"

#include <new>

namespace linkio {

BlockBuffer NewBlockBuffer(std::size_t bytes) {
  void* p = SG::AllocateSampleMemory(bytes, false);
  if (!p) throw std::bad_alloc();
  return BlockBuffer(static_cast<BYTE*>(p));
}

BYTE* KeptBlockBuffer(std::size_t bytes) {
  thread_local BlockBuffer kept;
  thread_local std::size_t size = 0;
  if (!kept || size < bytes) {
    kept.reset();  // the old pages go before the new ones come
    size = 0;
    kept = NewBlockBuffer(bytes);
    size = bytes;
  }
  return kept.get();
}

}  // namespace linkio
