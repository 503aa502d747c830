#include "waveform/RecordedEdit.h"

#include <cstring>

namespace waveform::detail {

namespace {

// The record's samples become a copy of samples. fresh holds an array of the
// right length, or is empty when the record's own array already fits.
void CopyInto(CWaveData& wave, SG::CSgScalarVector<float>& fresh,
              const SG::CSgScalarVector<float>& samples) noexcept {
  if (wave.thedata.GetSize() != samples.GetSize()) wave.thedata.Swap(fresh);
  if (samples.GetSize())
    std::memcpy(wave.thedata.GetData(), samples.GetData(), sizeof(float) * samples.GetSize());
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
  CopyInto(wave, fresh, result);
  entry_.history.CommitStates(nodes_);
  ApplyDisplay(wave, std::move(display));
  wave.saved = false;
}

void ShowSamples(CWaveData& wave, const SG::CSgScalarVector<float>& samples) {
  SG::CSgScalarVector<float> fresh;
  if (wave.thedata.GetSize() != samples.GetSize()) fresh.SetSize(samples.GetSize(), TRUE);
  WaveDisplay display = PlanDisplay(wave, samples.GetSize());
  CopyInto(wave, fresh, samples);
  ApplyDisplay(wave, std::move(display));
  wave.saved = false;
}

}  // namespace waveform::detail
