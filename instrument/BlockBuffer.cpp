#include "instrument/BlockBuffer.h"

#include <array>
#include <cstdlib>
#include <new>

namespace linkio {

BlockBuffer NewBlockBuffer(std::size_t bytes) {
  void* p = std::malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  SG::AdviseHugePages(p, bytes);
  return BlockBuffer(static_cast<BYTE*>(p));
}

BYTE* KeptBlockBuffer(Direction direction, std::size_t bytes) {
  struct Kept {
    BlockBuffer buffer;
    std::size_t size = 0;
  };
  thread_local std::array<Kept, 2> kept;
  Kept& k = kept[direction == Direction::Send ? 0 : 1];
  if (!k.buffer || k.size < bytes) {
    k.buffer.reset();  // the old pages go before the new ones come
    k.size = 0;
    k.buffer = NewBlockBuffer(bytes);
    k.size = bytes;
  }
  return k.buffer.get();
}

}  // namespace linkio
