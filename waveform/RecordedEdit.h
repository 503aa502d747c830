#pragma once
// The steps every sample change of this library shares, so that each is
// prepared completely (every allocation) before anything changes and then
// committed by steps that cannot fail. Implementation detail of waveform/.

#include "waveform/WaveStore.h"

#include <cstring>
#include <list>

namespace waveform::detail {

// One edit that records its result in the history: the caller fills
// Result() with the new samples, then Apply() records the states, puts the
// samples into the record, rebuilds its display and marks it unsaved.
class RecordedEdit {
 public:
  // Allocates the result's node, and while the history is pending the node
  // that will keep the samples from before the edit.
  RecordedEdit(WaveEntry& entry, BYTE cutmark);

  SG::CSgScalarVector<float>& Result() noexcept { return nodes_.back().snapshot; }

  // May throw before it changes anything; never after.
  void Apply();

 private:
  WaveEntry& entry_;
  std::list<EditNode> nodes_;
};

// memcpy of n samples; nothing for none (an empty vector has no array).
inline void CopySamples(float* to, const float* from, std::size_t n) noexcept {
  if (n) std::memcpy(to, from, sizeof(float) * n);
}

// Replaces the record's samples with a copy of samples and rebuilds its
// display; saved becomes false. @excsafety{Strong}
void ShowSamples(CWaveData& wave, const SG::CSgScalarVector<float>& samples);

}  // namespace waveform::detail
