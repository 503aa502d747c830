#pragma once
// What the fuzz targets share: a promise check that stops the run (a finding
// for libFuzzer, a failed test for the corpus replay), a reader that hands
// out an input's bytes as small numbers and ends quietly with zeros, and a
// VARIANT that clears itself.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "containers/tests/ArchiveBytes.h"
#include "platform/afx/Archive.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MemFile.h"
#include "platform/com/Variant.h"

#define FUZZ_PROMISE(condition)         \
  do {                                  \
    if (!(condition)) __builtin_trap(); \
  } while (0)

namespace fuzz {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
  template <class T>
  T Value() {
    T value{};
    const std::size_t n = std::min(sizeof(T), size_ - used_);
    std::memcpy(&value, data_ + used_, n);
    used_ += n;
    return value;
  }
  const std::uint8_t* Rest() const { return data_ + used_; }
  std::size_t Left() const { return size_ - used_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

// Loads an object from bytes through the framework's archive, as a file
// would; false when the archive refused them (the object is then unchanged,
// which the caller may check).
template <class Load>
bool LoadFromBytes(const std::uint8_t* data, std::size_t size, Load load) {
  CMemFile file(data, static_cast<UINT>(size));
  file.SetFilePath("fuzz.bin");
  try {
    CArchive archive(&file, CArchive::load);
    load(archive);
    return true;
  } catch (CException* e) {
    e->Delete();
    return false;
  }
}

}  // namespace fuzz
