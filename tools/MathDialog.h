#pragma once
// What the math dialogs (constant and two-waveform arithmetic, windows,
// filters) share: the waveform lists, whose index is the waveform's index
// in the array; the waveform preview; and the commit of the result into the
// chosen waveform, which notifies the main frame with that index.

#include "controls/CSgGraph.h"
#include "tools/ToolDialog.h"
#include "waveform/WaveData.h"

class CMathDialog : public CToolDialog {
 public:
  using CToolDialog::CToolDialog;

 protected:
  // Every record's name, in array order.
  void FillWaveNames(int listId);
  // The preview of waveform index in graph: X axis up to its point count - 1
  // (display length - 1 when it shows the display samples), Y axis its
  // offset -/+ half its span, plot 1 its samples; an empty waveform shows
  // message 302 and no plot. A second graph gets the axes alone (its X
  // maximum: the point count - 1).
  void PreviewWave(const SG::CSgGraph& graph, int index, bool displaySamples = false,
                   const SG::CSgGraph* second = nullptr);
  // result into waveform index (samples and display, by its own display
  // step); false, and nothing changed, when a sample is not a finite number
  // (message 680).
  template <class T>
  bool StoreResult(int index, const SG::CSgVectorT<T>& result);
  // The frame told that waveform index changed; the dialog ends with OK.
  void FinishCommit(int index);
  template <class T>
  void CommitTo(int index, const SG::CSgVectorT<T>& result) {
    if (StoreResult(index, result)) FinishCommit(index);
  }
};
