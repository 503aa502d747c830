#pragma once
// The buffer of one waveform block sent or read back: tens of megabytes,
// made for one transfer. Uninitialised (every byte used is written first)
// and advised onto huge pages, so a transfer faults in a few dozen pages
// instead of thousands and writes each byte once.

#include "containers/SgAllocate.h"
#include "platform/win/WinTypes.h"

#include <new>

namespace linkio {

using BlockBuffer = SG::SampleArray<BYTE>;

// Throws std::bad_alloc when memory is short, as a vector of the size would.
inline BlockBuffer NewBlockBuffer(std::size_t bytes) {
  void* p = SG::AllocateSampleMemory(bytes, false);
  if (!p) throw std::bad_alloc();
  return BlockBuffer(static_cast<BYTE*>(p));
}

}  // namespace linkio
