#pragma once
// CMath_windowdlg: windowing (template 149): the chosen waveform times one of
// ten windows of the analysis library, previewed below the waveform; OK
// commits the windowed samples. The main frame's command 32830 runs a local
// one.

#include "tools/MathDialog.h"

class CMath_windowdlg : public CMathWorkDialog {
 public:
  enum { IDD = 149 };
  CMath_windowdlg();

  // Windows w a copy of waveform s's samples into the work vector and shows
  // it in the lower graph (the live preview).
  void ApplyWindow(int s, int w);

  int m_nWindow = 0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void Process() override { OnSelchangeWindow(); }
  void OnSelchangeWindow();
  DECLARE_MESSAGE_MAP()
};
