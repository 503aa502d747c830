#include "waveform/RecordedEdit.h"

#include <cstring>

namespace waveform::detail {

namespace {

// The record's array for n samples: its own when the length stays, else
// fresh (which then holds n elements).
void TakeArray(CWaveData& wave, SG::CSgScalarVector<float>& fresh, unsigned int n) noexcept {
  if (wave.thedata.GetSize() != n) wave.thedata.Swap(fresh);
}

}  // namespace

RecordedEdit::RecordedEdit(WaveEntry& entry, BYTE cutmark)
    : entry_(entry), nodes_(EditList::NewStates(entry.history.pending() ? 2 : 1)) {
  nodes_.back().cutmark = cutmark;
}

void RecordedEdit::Apply() {
  CWaveData& wave = entry_.record;
  const SG::CSgScalarVector<float>& result = Result();
  const unsigned int n = result.GetSize();
  // While pending, the samples from before the edit move into the initial
  // state's node, so the record needs an array of its own.
  const bool initial = nodes_.size() == 2;
  SG::CSgScalarVector<float> fresh;
  if (initial || wave.thedata.GetSize() != n) fresh.SetSize(n, TRUE);
  WaveDisplay display = PlanDisplay(wave, n);

  if (initial) nodes_.front().snapshot.Swap(wave.thedata);
  TakeArray(wave, fresh, n);
  ApplyDisplay(wave, std::move(display), result.GetData());
  entry_.history.CommitStates(nodes_);
  wave.saved = false;
}

void ShowSamples(CWaveData& wave, const SG::CSgScalarVector<float>& samples) {
  SG::CSgScalarVector<float> fresh;
  if (wave.thedata.GetSize() != samples.GetSize()) fresh.SetSize(samples.GetSize(), TRUE);
  WaveDisplay display = PlanDisplay(wave, samples.GetSize());
  TakeArray(wave, fresh, samples.GetSize());
  ApplyDisplay(wave, std::move(display), samples.GetData());
  wave.saved = false;
}

}  // namespace waveform::detail
