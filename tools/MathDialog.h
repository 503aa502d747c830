#pragma once
// What the math dialogs (constant and two-waveform arithmetic, windows,
// filters) share: the waveform lists, whose index is the waveform's index
// in the array; the waveform preview; and the commit of the result into the
// chosen waveform, which notifies the main frame with that index.

#include "containers/CSgScalarVector.h"
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
  // Both: the commit of the OK button.
  template <class T>
  void CommitResult(int index, const SG::CSgVectorT<T>& result) {
    if (StoreResult(index, result)) FinishCommit(index);
  }
};

// The window and filter dialogs: the chosen waveform in the upper graph, a
// double copy of its samples processed into the lower one; OK commits the
// copy as it stands.
class CMathWorkDialog : public CMathDialog {
 public:
  CMathWorkDialog(UINT templateId, int commitId, int cancelId, int sourceList, bool displaySamples)
      : CMathDialog(templateId, commitId, cancelId),
        m_sourceList(sourceList),
        m_displaySamples(displaySamples) {}

  SG::CSgGraph m_upper{2};
  SG::CSgGraph m_lower{2};
  SG::CSgScalarVector<double> m_work;
  int m_nSource = 0;

 protected:
  void OnCommit() override;
  void ReleaseWork() override {
    m_work.SetSize(0, FALSE);
    m_shown.SetSize(0, FALSE);
  }
  // The waveform list filled, the first waveform chosen and previewed.
  void InitSource();
  // A waveform chosen: its preview, then a new computation (Process).
  void OnSelchangeSource();
  virtual void Process() = 0;
  // The work vector becomes a double copy of waveform index's samples.
  const SG::CSgScalarVector<float>& CopySource(int index);
  // The work vector in the lower graph.
  void PlotWork();
  // The same when every sample of the work vector is a finite number;
  // false, and nothing plotted, when one is not.
  bool PlotFiniteWork();

 private:
  int m_sourceList;
  bool m_displaySamples;
  // The lower graph's decimated samples, kept from one preview to the next.
  SG::CSgScalarVector<double> m_shown;
};
