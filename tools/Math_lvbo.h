#pragma once
// CMath_lvbo: IIR filtering (template 153): the chosen waveform through one
// of twelve Butterworth, Chebyshev or elliptic filters, previewed below the
// waveform; OK commits the filtered samples. The main frame's command 32832
// runs a local one.

#include "tools/MathDialog.h"

// A frequency field's value in hertz by its unit index ("uHz" .. "MHz");
// other indices give 0.
double ToHertz(double value, int unit);

class CMath_lvbo : public CMathWorkDialog {
 public:
  enum { IDD = 153 };
  CMath_lvbo();

  // Filters a copy of waveform s's samples with type t into the work vector
  // and shows it in the lower graph (the live preview). Samples that are not
  // finite numbers (an unstable design) are refused with message 680 and
  // the work vector keeps the plain copy, as after a refused design.
  void ApplyFilter(int s, int t, int samplingUnit, int lowUnit, int highUnit);

  int m_nType = 0;
  int m_nSamplingUnit = 0;
  int m_nLowUnit = 0;
  int m_nHighUnit = 0;
  int m_nOrder = 5;
  double m_dSampling = 10.0;
  double m_dLow = 0.1;
  double m_dHigh = 1.0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void Process() override { OnSelchangeType(); }
  void OnSelchangeType();
  void OnFilter();
  DECLARE_MESSAGE_MAP()

 private:
  void ReadLists();
};
