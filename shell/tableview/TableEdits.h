#pragma once
// The table view's arithmetic, apart from its window: pages of 1024 rows,
// the text of a sample and the reading of a typed one, the range check and
// extremes of the samples, the Y range that shows them, and the record as
// OK leaves it. None of these touches a window.

#include "containers/CSgScalarVector.h"
#include "platform/afx/String.h"
#include "waveform/WaveStore.h"

#include <optional>

inline constexpr int kTableRowsPerPage = 1024;
// Samples beyond this magnitude (volts) are refused.
inline constexpr double kTableSampleLimit = 10.0;
// Names longer than this many characters are refused.
inline constexpr int kTableNameLimit = 32;

// ceil(samples / 1024); at least 1, so an empty waveform still has a page.
int TablePageCount(int samples);
// The first and one past the last sample index of a page (from 1).
int TablePageFirst(int page);
int TablePageEnd(int page, int samples);

// A sample as the Value column shows it: in volts ("%0.5f"), a record whose
// amplitude unit is mV (spanunit 1) divided by 1000 first.
CString TableSampleText(float sample, int spanunit);
// A cell's text as a number: blanks around it allowed, nothing else; an
// empty text, text after the number, or an infinity is not a number.
std::optional<double> ReadTableNumber(const CString& text);

// The samples' extremes, or the index of the first sample outside
// -10 V .. 10 V.
struct TableExtremes {
  double largest = -kTableSampleLimit;
  double smallest = kTableSampleLimit;
  int outOfRange = -1;  // index of the offending sample, -1 when none
  bool InRange() const { return outOfRange < 0; }
};
TableExtremes ScanTableSamples(const SG::CSgScalarVector<float>& samples);

// A span that keeps a Y axis usable: largest - smallest, and for a constant
// waveform 2 x (trunc|value| + 1), the whole volts around it.
double TableSpan(double largest, double smallest);

// What OK writes into the record besides its samples.
struct TableEdits {
  CString name;
  double frequency = 0.0;
  int unit = 2;  // frequency unit 0 uHz .. 4 MHz, also the period's unit
  TableExtremes extremes;
};

// The record as OK leaves it: the samples, the name, the frequency and the
// period in the matching unit, the amplitude, span and offset from the
// extremes (all in volts), 14 bits, and the display rebuilt. Changed samples
// are one step of the waveform's edit history. The record is no longer
// saved when its samples, name or frequency changed. @excsafety{Strong}
// (the step is prepared before anything changes)
void ApplyTableEdits(WaveEntry& entry, SG::CSgScalarVector<float>&& samples,
                     const TableEdits& edits);

// The number of characters of a UTF-8 text.
int TableNameLength(const CString& name);
