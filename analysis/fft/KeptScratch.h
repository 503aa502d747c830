#pragma once
// Scratch arrays that a transform plan keeps between calls, so a repeated
// transform of one length works in memory already faulted in. One call at a
// time uses them; a call that finds them taken works on arrays of its own.
// All the arrays of a plan share one allocation: a first call then faults
// in a few huge pages rather than a page at a time for each small array.
#include "analysis/fft/FftBuffer.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <initializer_list>

namespace SgCore::fft {

class KeptScratch {
 public:
  static constexpr size_t kMaxArrays = 6;

  // The counts of the arrays (at most kMaxArrays); set once, before the
  // first Take.
  void SetCounts(std::initializer_list<Index> counts) {
    count_ = 0;
    Index at = 0;
    for (Index c : counts) {
      offsets_[count_++] = at;
      // Each array starts on a cache line of its own.
      at += (c + 7) / 8 * 8;
    }
    total_ = at;
  }

  // The arrays for one call, in the order of the counts; released with it.
  class Lease {
   public:
    Lease(Lease&& other) noexcept
        : owner_(other.owner_), own_(std::move(other.own_)), arrays_(other.arrays_) {
      other.owner_ = nullptr;
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Lease& operator=(Lease&&) = delete;
    ~Lease() {
      if (owner_) owner_->busy_.store(false, std::memory_order_release);
    }
    // False when memory was short.
    explicit operator bool() const { return arrays_[0] != nullptr; }
    double* operator[](size_t i) const { return arrays_[i]; }

   private:
    friend class KeptScratch;
    Lease() = default;
    void Point(const KeptScratch& scratch, double* base) {
      for (size_t i = 0; i < scratch.count_; ++i) arrays_[i] = base + scratch.offsets_[i];
    }
    const KeptScratch* owner_ = nullptr;
    Buffer own_;
    std::array<double*, kMaxArrays> arrays_{};
  };

  Lease Take() const {
    Lease lease;
    if (!busy_.exchange(true, std::memory_order_acquire)) {
      lease.owner_ = this;
      if (!kept_ && !(kept_ = Allocate(total_))) return lease;
      lease.Point(*this, kept_.get());
      return lease;
    }
    if ((lease.own_ = Allocate(total_))) lease.Point(*this, lease.own_.get());
    return lease;
  }

  size_t Bytes() const { return size_t(total_) * sizeof(double); }

 private:
  std::array<Index, kMaxArrays> offsets_{};
  size_t count_ = 0;
  Index total_ = 0;
  mutable Buffer kept_;
  mutable std::atomic<bool> busy_{false};
};

}  // namespace SgCore::fft
