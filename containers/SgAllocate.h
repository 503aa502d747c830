#pragma once
// Element arrays of the containers. A failed allocation raises the
// framework's out-of-memory exception, as the framework's new does.

#include "platform/afx/Exception.h"

#include <memory>
#include <new>

namespace SG {

// count uninitialised elements (trivial element types).
template <class T>
std::unique_ptr<T[]> AllocateArray(std::size_t count) {
  try {
    return std::unique_ptr<T[]>(new T[count]);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}

}  // namespace SG
