#pragma once
// The waveform collections by the names the rest of the program uses, as
// views of the one owner (waveform/WaveStore.h): index i of each is the
// waveform at index i of the store. Adding and removing go through
// g_WaveArray and always take the whole waveform (record, history with its
// clipboard, before-draw snapshot, name), so the collections never fall out
// of step; the others cannot add or remove on their own.

#include "waveform/WaveGlobals.h"
#include "waveform/WaveStore.h"

// The records. Element access outside 0..size-1 raises the framework's
// invalid-argument exception and changes nothing.
class CWaveDataArray {
 public:
  int GetSize() const noexcept { return g_WaveStore.GetSize(); }
  CWaveData& ElementAt(int index) { return g_WaveStore.GetEntry(index).record; }
  CWaveData& operator[](int index) { return ElementAt(index); }
  const CWaveData& GetAt(int index) const { return g_WaveStore.GetEntry(index).record; }

  // Appends a whole waveform (CWaveStore::Append); returns its index.
  // @excsafety{Strong}
  int Add(const CWaveData& wave) { return g_WaveStore.Append(wave); }
  int Add(CWaveData&& wave) { return g_WaveStore.Append(std::move(wave)); }
  // Removes the whole waveform at index (CWaveStore::Remove).
  void RemoveAt(int index) { g_WaveStore.Remove(index); }
  void RemoveAll() noexcept { g_WaveStore.RemoveAll(); }
};

// Each waveform's edit history and clipboard.
class CEditListArray {
 public:
  int GetSize() const noexcept { return g_WaveStore.GetSize(); }
  EditList& ElementAt(int index) { return g_WaveStore.GetEntry(index).history; }
  EditList& operator[](int index) { return ElementAt(index); }
};

// Each waveform's samples before its last drawing: one slot per waveform,
// however many there are; an empty slot means nothing to restore.
class CLastDrawArray {
 public:
  int GetSize() const noexcept { return g_WaveStore.GetSize(); }
  SG::CSgScalarVector<float>& ElementAt(int index) { return g_WaveStore.GetEntry(index).lastdraw; }
  SG::CSgScalarVector<float>& operator[](int index) { return ElementAt(index); }
};

// The names in use: the records' names, in waveform order. A name is added
// with its waveform, renamed with its record (assigning wavename) and goes
// with its waveform.
class CWaveNameList {
 public:
  int GetCount() const noexcept { return g_WaveStore.GetSize(); }
  bool IsEmpty() const noexcept { return GetCount() == 0; }
  const CString& GetAt(int index) const { return g_WaveStore.GetEntry(index).record.wavename; }
  // Index of the first name equal to name exactly (case-sensitive), -1 when
  // none.
  int Find(const CString& name) const noexcept { return g_WaveStore.FindName(name); }
};

extern CWaveDataArray g_WaveArray;
extern CEditListArray g_EditListArray;
extern CLastDrawArray g_LastDrawArray;
extern CWaveNameList g_WaveNameList;
