#pragma once
// The buffers of the waveform blocks sent and read back: tens of megabytes.
// Uninitialised (every byte used is written first) and advised onto huge
// pages, so a transfer faults in a few dozen pages instead of thousands and
// writes each byte once.

#include "containers/SgAllocate.h"
#include "platform/win/WinTypes.h"

#include <cstddef>

namespace linkio {

using BlockBuffer = SG::SampleArray<BYTE>;

// A fresh buffer of the size. Throws std::bad_alloc when memory is short, as
// a vector of the size would.
BlockBuffer NewBlockBuffer(std::size_t bytes);

// The link keeps one buffer (per thread) from one transfer to the next, for
// the blocks it sends and reads alike: a program that sends or reads
// waveforms again and again, or reads back what it has just sent, finds the
// pages already there instead of faulting tens of megabytes in each time.
// At least `bytes` long; it grows to the largest transfer asked for and
// holds whatever the last transfer left in it. Throws as NewBlockBuffer.
BYTE* KeptBlockBuffer(std::size_t bytes);

}  // namespace linkio
