#include "waveform/RecordedEdit.h"

namespace waveform {

RecordedEdit::RecordedEdit(WaveEntry& entry, BYTE cutmark)
    : entry_(entry), nodes_(EditList::NewStates(entry.history.StatesForChange())) {
  nodes_.back().cutmark = cutmark;
}

bool RecordedEdit::Changes() const noexcept {
  const SG::CSgScalarVector<float>& shown = entry_.record.thedata;
  const unsigned int n = result_.GetSize();
  return shown.GetSize() != n ||
         (n && std::memcmp(shown.GetData(), result_.GetData(), sizeof(float) * n) != 0);
}

void RecordedEdit::Apply() { ApplyAfter(kNoSerial); }

bool RecordedEdit::ApplyIfChanged(std::uint64_t continues) {
  if (!Changes()) return false;
  ApplyAfter(continues);
  return true;
}

void RecordedEdit::ApplyAfter(std::uint64_t serial) {
  CWaveData& wave = entry_.record;
  EditList& history = entry_.history;
  WaveDisplay display = PlanDisplay(wave, result_.GetSize());
  if (!history.pending() && history.Serial() == serial)
    history.AmendCurrent(wave.thedata, std::move(result_));
  else
    history.CommitChange(nodes_, wave.thedata, std::move(result_));
  ApplyDisplay(wave, std::move(display));
  wave.saved = false;
}

namespace {
template <class T>
bool RecordCopy(WaveEntry& entry, const SG::CSgVectorT<T>& samples) {
  RecordedEdit edit(entry);
  edit.Result().Assign(samples.GetData(), samples.GetSize());
  return edit.ApplyIfChanged();
}
}  // namespace

bool RecordSamples(WaveEntry& entry, const SG::CSgVectorT<float>& samples) {
  return RecordCopy(entry, samples);
}
bool RecordSamples(WaveEntry& entry, const SG::CSgVectorT<double>& samples) {
  return RecordCopy(entry, samples);
}

}  // namespace waveform
