#pragma once
// CSTD_WAVE_DLG: the standard waveform dialog (template 143). The user picks
// one of ten shapes and its settings, watches a live preview and on OK the
// active waveform's samples become the shape. The main frame's command
// 32825 runs a local one with shape 0; the standard-shape panel keeps one
// and sets m_nShape before each run.

#include "containers/CSgScalarVector.h"
#include "controls/CSgGraph.h"
#include "tools/StandardShapes.h"
#include "tools/ToolDialog.h"

#include <string>

class CSTD_WAVE_DLG : public CToolDialog {
 public:
  enum { IDD = 143 };
  CSTD_WAVE_DLG();

  // Builds the samples of shape from the fields, shows them in the preview
  // and writes the active record's working copy (the live preview).
  void GenerateWave(int shape);

  SG::CSgGraph m_graph{2};
  SG::CSgScalarVector<double> m_samples;  // the last preview's samples; the commit copies them
  SG::CSgScalarVector<float> m_display;   // what the preview shows
  int m_nShape = 0;                       // requested by the opener
  int m_nCommittedShape = 0;
  unsigned int m_nPoints = 0;
  double m_dAmplitude = 0.0;
  double m_dOffset = 0.0;
  unsigned int m_nCycles = 0;
  double m_dPhase = 0.0;
  double m_dParam1 = 0.0;
  double m_dParam2 = 0.0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override { OnCommitWave(); }
  void ReleaseWork() override;

  void OnShowWindow(BOOL show, UINT status);
  void OnSelchangeShape();
  void OnChangeAmplitude();
  void OnChangeOffset();
  void OnChangePhase() { OnChangeLimited(1034, m_dPhase, 360.0); }
  void OnChangeParam1() { OnChangeLimited(1038, m_dParam1, 100.0); }
  void OnChangeParam2() { OnChangeLimited(1042, m_dParam2, 100.0); }
  void OnChangePoints() { GenerateWave(CurSel(1080)); }
  void OnChangeCycles() { GenerateWave(CurSel(1080)); }
  void OnSelchangeOffsetUnit();
  void OnSelchangeAmplitudeUnit();
  void OnKillfocusAmplitude();
  void OnKillfocusOffset() { RefillIfEmpty(1086, "0"); }
  void OnKillfocusPhase() { RefillIfEmpty(1034, "0"); }
  void OnKillfocusParam1() { RefillIfEmpty(1038, "50"); }
  void OnKillfocusParam2() { RefillIfEmpty(1042, "0"); }
  void OnCommitWave();
  DECLARE_MESSAGE_MAP()

 private:
  ShapeSettings Settings() const;
  // The amplitude label's unit: 0 "Vpp" or "vpp", 1 "mVpp" or "mvpp", -1 other.
  int LabelUnit() const;
  // The offset in the amplitude's unit, from the members.
  double ConvertedOffset() const;
  bool OffsetLeavesRange(double offset) const;
  void SetYAxis(double minimum, double maximum);
  void WriteFieldsQuietly();
  void OnChangeLimited(int id, double& member, double top);
  void RefillIfEmpty(int id, const char* text);
  void SetText(int id, const char* text) { SetDlgItemText(id, text); }

  // Why the last preview built nothing: shown again by a commit.
  bool m_previewFailed = false;
  CString m_previewError;
};
