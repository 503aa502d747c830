#pragma once
// Runs a pass over a long run of samples in a few pieces at once: packing or
// unpacking tens of millions of samples is arithmetic on every one of them,
// which one core does far more slowly than the link moves the bytes.

#include <cstddef>
#include <functional>

namespace linkio {

// Calls work(begin, end) over pieces that together cover [0, count) exactly
// once, on this thread and up to three others; short runs, and any run when
// no thread can be started, are done here in one piece. `work` must not
// throw. Returns when every piece is done.
void SplitWork(std::size_t count, const std::function<void(std::size_t, std::size_t)>& work);

}  // namespace linkio
