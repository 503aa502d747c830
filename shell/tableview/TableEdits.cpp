#include "shell/tableview/TableEdits.h"

#include "platform/afx/CrtScan.h"
#include "waveform/RecordedEdit.h"

#include <cmath>
#include <utility>

int TablePageCount(int samples) {
  if (samples <= 0) return 1;
  return (samples + kTableRowsPerPage - 1) / kTableRowsPerPage;
}

int TablePageFirst(int page) { return (page - 1) * kTableRowsPerPage; }

int TablePageEnd(int page, int samples) {
  const long long end = static_cast<long long>(page) * kTableRowsPerPage;
  return static_cast<int>(std::min<long long>(end, samples));
}

CString TableSampleText(float sample, int spanunit) {
  const double volts = spanunit == 1 ? sample / 1000.0 : sample;
  CString text;
  text.Format("%0.5f", volts);
  return text;
}

std::optional<double> ReadTableNumber(const CString& text) {
  const char* begin = text.GetString();
  char* end = nullptr;
  const double value = CrtStrtod(begin, &end);
  if (end == begin) return std::nullopt;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

TableExtremes ScanTableSamples(const SG::CSgScalarVector<float>& samples) {
  TableExtremes e;
  const int n = static_cast<int>(samples.GetSize());
  const float* data = samples.GetData();
  for (int i = 0; i < n; ++i) {
    const double v = data[i];
    if (!(v <= kTableSampleLimit && v >= -kTableSampleLimit)) {  // NaN too
      e.outOfRange = i;
      return e;
    }
    if (v >= e.largest) e.largest = v;
    if (v <= e.smallest) e.smallest = v;
  }
  if (n == 0) e.largest = e.smallest = 0.0;
  return e;
}

double TableSpan(double largest, double smallest) {
  const double span = largest - smallest;
  if (span > 0.0) return span;
  return 2.0 * (std::trunc(std::fabs(largest)) + 1.0);
}

void ApplyTableEdits(WaveEntry& entry, SG::CSgScalarVector<float>&& samples,
                     const TableEdits& edits) {
  CWaveData& wave = entry.record;
  const unsigned n = samples.GetSize();
  waveform::RecordedEdit edit(entry);  // the one step that may fail
  edit.SetResult(std::move(samples));
  // Changed samples are one step of the waveform's history.
  const bool samplesChanged = edit.ApplyIfChanged();
  const bool changed = samplesChanged || wave.wavename != edits.name ||
                       wave.freq != edits.frequency || wave.frequnit != edits.unit;
  const double largest = edits.extremes.largest, smallest = edits.extremes.smallest;
  wave.samplecount = static_cast<int>(n);
  wave.span = TableSpan(largest, smallest);
  wave.vpp = largest - smallest;
  wave.bits = 14;
  wave.wavename = edits.name;
  wave.freq = edits.frequency;
  wave.frequnit = edits.unit;
  wave.offset = (largest + smallest) / 2;
  wave.offsetunit = 0;
  wave.spanunit = 0;
  wave.vppunit = 0;
  const bool noFrequency = edits.frequency > -1e-15 && edits.frequency < 1e-15;
  wave.period = noFrequency ? 0.0 : 1000.0 / edits.frequency;
  wave.periodunit = edits.unit;
  if (changed) wave.saved = false;
}

int TableNameLength(const CString& name) {
  int count = 0;
  for (unsigned char c : name.str())
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}
