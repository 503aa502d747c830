#pragma once
// CMath_windowdlg: windowing (template 149): the chosen waveform times one of
// ten windows of the analysis library, previewed below the waveform; OK
// commits the windowed samples. The main frame's command 32830 runs a local
// one.

#include "containers/CSgScalarVector.h"
#include "tools/MathDialog.h"

class CMath_windowdlg : public CMathDialog {
 public:
  enum { IDD = 149 };
  CMath_windowdlg();

  // Windows w a copy of waveform s's samples into the work vector and shows
  // it in the lower graph (the live preview).
  void ApplyWindow(int s, int w);

  SG::CSgGraph m_upper{2};
  SG::CSgGraph m_lower{2};
  SG::CSgScalarVector<double> m_work;
  int m_nSource = 0;
  int m_nWindow = 0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override;
  void ReleaseWork() override { m_work.SetSize(0, FALSE); }
  void OnSelchangeSource();
  void OnSelchangeWindow();
  DECLARE_MESSAGE_MAP()
};
