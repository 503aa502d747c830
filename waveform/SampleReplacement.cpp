#include "waveform/SampleReplacement.h"

#include "waveform/ActiveState.h"
#include "waveform/RecordedEdit.h"

#include <utility>

namespace waveform {

void ApplyEquationResult(WaveEntry& entry, const SG::CSgScalarVector<float>& result) {
  CWaveData& wave = entry.record;
  SG::CSgScalarVector<float> samples(result);
  WaveDisplay display = PlanDisplay(wave, samples.GetSize());
  // The old samples move into the snapshot: no copy of them is needed.
  entry.lastdraw = std::move(wave.thedata);
  wave.thedata = std::move(samples);
  ApplyDisplay(wave, std::move(display));
  wave.shape = -1;
  wave.saved = false;
  LeaveDrawingAndSelection(wave);
}

void SaveDrawSnapshot(WaveEntry& entry) {
  SG::CSgScalarVector<float> copy(entry.record.thedata);
  entry.lastdraw = std::move(copy);
}

bool UndoLastDraw(WaveEntry& entry) {
  if (entry.lastdraw.GetSize() == 0) return false;
  detail::ShowSamples(entry.record, entry.lastdraw);
  return true;
}

void CommitWorkData(CWaveData& wave, const SG::CSgScalarVector<float>& work) {
  SG::CSgScalarVector<float> samples(work);
  SG::CSgScalarVector<float> second(work);
  wave.thedata = std::move(samples);
  wave.copydata = std::move(second);
  wave.saved = false;
}

}  // namespace waveform
