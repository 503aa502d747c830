#include "waveform/WaveCollections.h"

#include "platform/afx/Exception.h"

CWaveDataArray g_WaveArray;
int g_nPointCount = 16384;

int CWaveDataArray::Add(const CWaveData& wave) {
  items_.push_back(wave);
  return GetSize() - 1;
}

CWaveData& CWaveDataArray::ElementAt(int index) {
  if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
  return items_[static_cast<std::size_t>(index)];
}

void CWaveDataArray::RemoveAt(int index) {
  if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
  items_.erase(items_.begin() + index);
}
