#pragma once
// Scratch arrays that a transform plan keeps between calls, so a repeated
// transform of one length works in memory already faulted in. One call at a
// time uses them; a call that finds them taken works on arrays of its own.
#include "analysis/fft/FftBuffer.h"

#include <atomic>
#include <initializer_list>
#include <vector>

namespace SgCore::fft {

class KeptScratch {
 public:
  // The counts of the arrays; set once, before the first Take.
  void SetCounts(std::initializer_list<Index> counts) { counts_ = counts; }

  // The arrays for one call, in the order of the counts; released with it.
  class Lease {
   public:
    Lease(Lease&& other) noexcept
        : owner_(other.owner_), own_(std::move(other.own_)), arrays_(std::move(other.arrays_)) {
      other.owner_ = nullptr;
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Lease& operator=(Lease&&) = delete;
    ~Lease() {
      if (owner_) owner_->busy_.store(false, std::memory_order_release);
    }
    // False when memory was short.
    explicit operator bool() const { return !arrays_.empty(); }
    double* operator[](size_t i) const { return arrays_[i]; }

   private:
    friend class KeptScratch;
    Lease() = default;
    const KeptScratch* owner_ = nullptr;
    std::vector<Buffer> own_;
    std::vector<double*> arrays_;
  };

  Lease Take() const {
    Lease lease;
    if (!busy_.exchange(true, std::memory_order_acquire)) {
      lease.owner_ = this;
      if (kept_.empty() && !Fill(kept_)) return lease;
      for (const Buffer& b : kept_) lease.arrays_.push_back(b.get());
      return lease;
    }
    if (Fill(lease.own_))
      for (const Buffer& b : lease.own_) lease.arrays_.push_back(b.get());
    return lease;
  }

  size_t Bytes() const {
    size_t bytes = 0;
    for (Index c : counts_) bytes += size_t(c) * sizeof(double);
    return bytes;
  }

 private:
  bool Fill(std::vector<Buffer>& into) const {
    std::vector<Buffer> made;
    for (Index c : counts_) {
      made.push_back(Allocate(c));
      if (!made.back()) return false;
    }
    into = std::move(made);
    return true;
  }

  std::vector<Index> counts_;
  mutable std::vector<Buffer> kept_;
  mutable std::atomic<bool> busy_{false};
};

}  // namespace SgCore::fft
