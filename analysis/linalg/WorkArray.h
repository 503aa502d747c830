#pragma once
// Work storage of one call of the analysis core: an owned array that is null
// when the allocation fails, so a routine can return ErrOutOfMemory instead of
// throwing.
#include <cstdint>
#include <memory>
#include <new>

namespace SgCore {

using WorkArray = std::unique_ptr<double[]>;

inline WorkArray AllocateWork(int64_t count) {
  if (count < 1) count = 1;
  return WorkArray(new (std::nothrow) double[count]);
}

}  // namespace SgCore
