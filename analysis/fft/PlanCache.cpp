// The plans of the last few lengths, kept so that a repeated transform
// neither recomputes its tables nor faults in fresh scratch. Plans are made
// outside the lock (a chirp-z plan asks the cache for its inner length) and
// shared: one evicted while a call runs it lives until that call ends.
#include "analysis/core/CoreErrors.h"
#include "analysis/fft/MixedRadixEngine.h"
#include "analysis/fft/TransformPlan.h"

#include <list>
#include <mutex>
#include <new>

namespace SgCore::fft {
namespace {

constexpr size_t kKeptPlans = 6;
// Beyond this the oldest plans go, all but the newest; a single plan above
// it is not kept at all.
constexpr size_t kKeptBytes = size_t(768) << 20;

struct Cache {
  std::mutex lock;
  std::list<std::shared_ptr<const TransformPlan>> plans;  // newest first
};
Cache& TheCache() {
  static Cache* cache = new Cache;  // never destroyed: transforms may run at exit
  return *cache;
}

class PooledBlock {
 public:
  PooledBlock() : block_(FftWorkBlockAcquire()) {}
  ~PooledBlock() { FftWorkBlockRelease(block_); }
  PooledBlock(const PooledBlock&) = delete;
  PooledBlock& operator=(const PooledBlock&) = delete;
  double* get() const { return block_; }

 private:
  double* block_;
};

}  // namespace

std::shared_ptr<const TransformPlan> PlanFor(Index n) {
  Cache& cache = TheCache();
  {
    std::lock_guard<std::mutex> hold(cache.lock);
    for (auto it = cache.plans.begin(); it != cache.plans.end(); ++it)
      if ((*it)->size() == n) {
        cache.plans.splice(cache.plans.begin(), cache.plans, it);
        return cache.plans.front();
      }
  }
  std::shared_ptr<const TransformPlan> made;
  try {
    made = std::make_shared<const TransformPlan>(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  // A plan larger than the whole budget serves its call only.
  if (made->Bytes() > kKeptBytes) return made;
  std::lock_guard<std::mutex> hold(cache.lock);
  for (const auto& plan : cache.plans)
    if (plan->size() == n) return plan;  // another thread made it meanwhile
  cache.plans.push_front(made);
  size_t bytes = 0;
  for (const auto& plan : cache.plans) bytes += plan->Bytes();
  while (cache.plans.size() > 1 && (cache.plans.size() > kKeptPlans || bytes > kKeptBytes)) {
    bytes -= cache.plans.back()->Bytes();
    cache.plans.pop_back();
  }
  return made;
}

std::vector<Index> CachedPlanLengthsForTesting() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> hold(cache.lock);
  std::vector<Index> lengths;
  for (const auto& plan : cache.plans) lengths.push_back(plan->size());
  return lengths;
}

int FftOnBlock(double* re, double* im, Index n, double scale, double* block) {
  const auto plan = PlanFor(n);
  if (!plan) return ErrOutOfMemory;
  return plan->Run(re, im, scale, block);
}

int PooledFft(double* re, double* im, Index n, double scale) {
  PooledBlock block;
  if (!block.get()) return ErrOutOfMemory;
  return FftOnBlock(re, im, n, scale, block.get());
}

}  // namespace SgCore::fft
