#pragma once
// The one way a waveform's samples change: each change, whoever makes it
// (an edit command, smoothing, a drawing, the equation result, a tool or the
// table), is prepared completely (every allocation) before anything changes,
// then committed by steps that cannot fail, and recorded as one state of the
// waveform's history (waveform/EditHistory.h), so Undo goes back exactly
// that change and Redo brings it again.

#include "waveform/WaveStore.h"

#include <cstring>
#include <list>

namespace waveform {

// One change: the caller fills Result() with the new samples (or hands them
// over with SetResult), then Apply() puts them into the record, records the
// change, rebuilds the display and marks the waveform unsaved. The samples
// from before go into the history as they are: a change copies nothing
// beyond its result.
class RecordedEdit {
 public:
  // Allocates the change's state, and while the history is pending the one
  // that keeps the samples from before. cutmark: 1 for Cut.
  explicit RecordedEdit(WaveEntry& entry, BYTE cutmark = 0);

  SG::CSgScalarVector<float>& Result() noexcept { return result_; }
  void SetResult(SG::CSgScalarVector<float>&& samples) noexcept { result_.Swap(samples); }

  // Whether the result differs from the samples shown, bit for bit.
  bool Changes() const noexcept;
  // Apply, or ApplyAfter(continues), when the result Changes(): a result
  // equal to the samples shown is no step. True when it applied.
  bool ApplyIfChanged(std::uint64_t continues = kNoSerial);

  // May throw before it changes anything; never after.
  void Apply();
  // The same, as the continuation of the change that left the history at
  // serial (EditList::Serial) when nothing came since: that change's state
  // takes the result and no state is added, so one Undo takes back both.
  void ApplyAfter(std::uint64_t serial);

 private:
  static constexpr std::uint64_t kNoSerial = ~std::uint64_t{0};  // continues no change
  WaveEntry& entry_;
  std::list<EditNode> nodes_;
  SG::CSgScalarVector<float> result_;
};

// A change whose new samples are a copy of samples (converted to float),
// as the drawing and the tools make them: samples equal to the ones shown,
// bit for bit, are no change, and record nothing (false). @excsafety{Strong}
bool RecordSamples(WaveEntry& entry, const SG::CSgVectorT<float>& samples);
bool RecordSamples(WaveEntry& entry, const SG::CSgVectorT<double>& samples);

namespace detail {

// memcpy of n samples; nothing for none (an empty vector has no array).
inline void CopySamples(float* to, const float* from, std::size_t n) noexcept {
  if (n) std::memcpy(to, from, sizeof(float) * n);
}

}  // namespace detail

}  // namespace waveform
