#include "waveform/WaveStore.h"

#include "platform/afx/Exception.h"

#include <new>

CWaveStore g_WaveStore;

WaveEntry& CWaveStore::GetEntry(int index) {
  if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
  return *entries_[static_cast<std::size_t>(index)];
}

const WaveEntry& CWaveStore::GetEntry(int index) const {
  if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
  return *entries_[static_cast<std::size_t>(index)];
}

int CWaveStore::Adopt(std::unique_ptr<WaveEntry> entry) {
  entries_.push_back(std::move(entry));  // room was reserved: cannot fail
  return GetSize() - 1;
}

std::unique_ptr<WaveEntry> CWaveStore::NewEntry() {
  try {
    entries_.reserve(entries_.size() + 1);
    return std::make_unique<WaveEntry>();
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}

int CWaveStore::Append(const CWaveData& wave) {
  std::unique_ptr<WaveEntry> entry = NewEntry();
  entry->record = wave;
  return Adopt(std::move(entry));
}

int CWaveStore::Append(CWaveData&& wave) {
  std::unique_ptr<WaveEntry> entry = NewEntry();
  entry->record = std::move(wave);
  return Adopt(std::move(entry));
}

void CWaveStore::Remove(int index) {
  if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
  entries_.erase(entries_.begin() + index);
}

int CWaveStore::FindName(const CString& name) const noexcept {
  for (int i = 0; i < GetSize(); ++i)
    if (entries_[static_cast<std::size_t>(i)]->record.wavename == name) return i;
  return -1;
}

int FindWaveIndex(CString title) {
  title.Trim(' ');
  return g_WaveStore.FindName(title);
}
