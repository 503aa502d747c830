#pragma once
// CMath_valuedlg: arithmetic of a waveform with a constant (template 145):
// +, -, *, / or abs() over the whole waveform or between the chosen
// waveform's own cursors, clamped to the waveform's span about zero. The main frame's
// command 32827 runs a local one.

#include "containers/CSgScalarVector.h"
#include "tools/MathDialog.h"
#include "waveform/NumberHelpers.h"

// The operators, in list order: index, list text.
// clang-format off
#define PELMORAN_CONSTANT_OPERATORS(X) \
  X(0, "+")                            \
  X(1, "-")                            \
  X(2, "*")                            \
  X(3, "/")                            \
  X(4, "abs()")
// clang-format on

// One sample s combined with c by operator op, clamped to -h .. h where the
// operator clamps.
double ApplyConstant(int op, double s, double c, double h);

class CMath_valuedlg : public CMathDialog {
 public:
  enum { IDD = 145 };
  CMath_valuedlg();

  SG::CSgGraph m_graph{2};
  SG::CSgScalarVector<float> m_result;
  int m_nSource = 0;
  int m_nOperator = 0;
  CString m_strConstant = "0";
  int m_nRange = 0;  // 0 whole waveform, 1 between the cursors

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override;
  void ReleaseWork() override { m_result.SetSize(0, FALSE); }
  void OnSelchangeSource();
  void OnWhole() { OnRange(0); }
  void OnBetweenCursors() { OnRange(1); }
  void OnChangeConstant();
  void OnSelchangeOperator();
  DECLARE_MESSAGE_MAP()

 private:
  void OnRange(int range);
  void ComputeResult(int source, int op, int range, double constant);
  void Compute() { ComputeResult(m_nSource, m_nOperator, m_nRange, StrToDouble(m_strConstant)); }
};
