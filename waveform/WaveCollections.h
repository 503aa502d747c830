#pragma once
// The process-wide waveform collections the instrument link reads and
// writes: the records and the current point count.

#include "waveform/WaveData.h"

#include <vector>

// The array of records; element access outside 0..size-1 raises the
// framework's invalid-argument exception.
class CWaveDataArray {
 public:
  int GetSize() const { return static_cast<int>(items_.size()); }
  int Add(const CWaveData& wave);
  CWaveData& ElementAt(int index);
  CWaveData& operator[](int index) { return ElementAt(index); }
  void RemoveAt(int index);
  void RemoveAll() { items_.clear(); }

 private:
  std::vector<CWaveData> items_;
};

extern CWaveDataArray g_WaveArray;
extern int g_nPointCount;
