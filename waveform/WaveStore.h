#pragma once
// The one owner of the open waveforms. Each entry keeps a waveform's record,
// edit history with its clipboard, and the samples before its last drawing
// together; the name in use is the record's wavename. The collections the
// rest of the program names (g_WaveArray, g_EditListArray, g_LastDrawArray,
// g_WaveNameList, waveform/WaveCollections.h) are views of this store, so
// adding or removing a waveform is one step and they never fall out of step.
// User-interface thread only; nothing here locks.

#include "waveform/EditHistory.h"
#include "waveform/WaveData.h"

#include <memory>
#include <vector>

// One open waveform.
struct WaveEntry {
  WaveEntry() = default;
  explicit WaveEntry(CWaveData&& wave) noexcept : record(std::move(wave)) {}

  CWaveData record;
  EditList history;
  // The samples before the last drawing (or equation result, or standard
  // shape); empty when there is nothing to restore.
  SG::CSgScalarVector<float> lastdraw;
};

class CWaveStore {
 public:
  int GetSize() const noexcept { return static_cast<int>(entries_.size()); }

  // The entry at index; the framework's invalid-argument exception outside
  // 0..size-1. Entries keep their address until they are removed.
  WaveEntry& GetEntry(int index);
  const WaveEntry& GetEntry(int index) const;

  // Appends a waveform with a fresh history (pending, empty clipboard) and an
  // empty before-draw snapshot; returns its index, the old size. The caller
  // gives it a name no open waveform has (IsWaveNameUsed) and applies
  // DisplayDecimation first. @excsafety{Strong} (a moved record is taken only
  // once nothing can fail any more)
  int Append(const CWaveData& wave);
  int Append(CWaveData&& wave);

  // Removes the waveform at index with its history, clipboard and snapshot,
  // which are freed. Invalid-argument exception outside 0..size-1, else
  // never fails.
  void Remove(int index);
  void RemoveAll() noexcept { entries_.clear(); }

  // Index of the first waveform named name exactly (case-sensitive, the
  // names as stored), -1 when none.
  int FindName(const CString& name) const noexcept;

 private:
  // An empty entry, with room to add it; the framework's memory exception
  // when there is none.
  std::unique_ptr<WaveEntry> NewEntry();
  int Adopt(std::unique_ptr<WaveEntry> entry);

  std::vector<std::unique_ptr<WaveEntry>> entries_;
};

extern CWaveStore g_WaveStore;

// The waveform a window shows, found from its title: spaces at both ends of
// the title are ignored, the names are compared as stored; the first match,
// -1 when none.
int FindWaveIndex(CString title);
