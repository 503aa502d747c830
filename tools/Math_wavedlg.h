#pragma once
// CMath_wavedlg: arithmetic of two waveforms (template 147): the source
// combined sample by sample with an operand (+, - or *), clamped, with a new
// amplitude and offset; both must have the same frequency and sample count.
// The main frame's command 32829 runs a local one.

#include "tools/MathDialog.h"

// clang-format off
#define PELMORAN_WAVE_OPERATORS(X) \
  X(0, "NO")                       \
  X(1, "+")                        \
  X(2, "-")                        \
  X(3, "*")
// clang-format on

class CMath_wavedlg : public CMathDialog {
 public:
  enum { IDD = 147 };
  CMath_wavedlg();

  SG::CSgGraph m_upper{2};
  SG::CSgGraph m_lower{2};
  CWaveData m_result;  // its samples, amplitude (vpp) and offset
  int m_nSource = 0;
  int m_nOperator = 0;
  int m_nOperand = 0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override;
  void ReleaseWork() override { m_result.thedata.SetSize(0, FALSE); }
  void OnSelchangeSource();
  void OnSelchangeOperand();
  void OnSelchangeOperator();
  DECLARE_MESSAGE_MAP()

 private:
  void ReadIndices();
  void ComputeResult(int source, int operand, int op);
};
