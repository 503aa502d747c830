#include "waveform/SampleReplacement.h"

#include "waveform/ActiveState.h"
#include "waveform/RecordedEdit.h"

#include <utility>

namespace waveform {

void ApplyEquationResult(WaveEntry& entry, const SG::CSgScalarVector<float>& result) {
  CWaveData& wave = entry.record;
  // The history keeps the samples from before; the snapshot needs its own.
  SG::CSgScalarVector<float> before(wave.thedata);
  RecordSamples(entry, result);
  entry.lastdraw.Swap(before);
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
  RecordSamples(entry, entry.lastdraw);
  entry.record.saved = false;
  return true;
}

void CommitWorkData(WaveEntry& entry, SG::CSgScalarVector<float>&& work, std::uint64_t continues) {
  SG::CSgScalarVector<float> second(work);
  RecordedEdit edit(entry);
  edit.SetResult(std::move(work));
  edit.ApplyIfChanged(continues);  // a press that drew nothing is no step
  entry.record.copydata.Swap(second);
  entry.record.saved = false;
}

}  // namespace waveform
