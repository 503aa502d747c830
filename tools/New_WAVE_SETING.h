#pragma once
// CNew_WAVE_SETING: the new-waveform dialog (template 138). On OK it appends
// a waveform of zeros made from the settings and asks the main frame for its
// window. The application's New command and the frame's command 32840 run a
// local one.

#include "tools/ToolDialog.h"

#include <optional>

// The number the next new waveform's proposed name ends in; 1 at start,
// one more for every press of OK.
extern int g_nNewWaveCounter;

// The automatic unit step of the value field: in frequency mode 1000 or more
// steps up a unit (value / 1000), below 1 down a unit (value * 1000); in
// period mode the other way round; one step, none at the list's ends.
struct UnitStep {
  double value;
  int unit;
};
std::optional<UnitStep> StepUnit(double value, int unit, bool periodMode);

class CNew_WAVE_SETING : public CToolDialog {
 public:
  enum { IDD = 138 };
  CNew_WAVE_SETING();

  CString m_strName = "wave";
  int m_nPointCount = 0;
  double m_dAmplitude = 0.0;
  int m_nQuantisation = 0;
  int m_nTimeMode = 0;    // 0 frequency, 1 period
  int m_nLengthKind = 0;  // 0 fixed, 1 variable
  double m_dFrequency = 0.0;
  double m_dPeriod = 0.0;
  double m_dValue = 0.0;
  CString m_strLengthCaption;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override;

  void OnChangeAmplitude();
  void OnKillfocusAmplitude();
  void OnSelchangeAmplitudeUnit();
  void OnChangeName() { RemoveTypedBlanks(1028); }
  void OnChangeValue();
  void OnKillfocusValue();
  void OnFrequencyMode() { SwitchMode(0); }
  void OnPeriodMode() { SwitchMode(1); }
  void OnSelchangeLengthKind();
  void OnSelchangeFixedCount();
  void OnLengthCheck();
  void OnChannel1() { SetChannel("16384", 16384, "16k"); }
  void OnChannel2() { SetChannel("524288", 524288, "512k"); }
  DECLARE_MESSAGE_MAP()

 private:
  // The value's range check of leaving its field: false, with the message
  // shown and the text reset, when it refuses.
  bool CheckValue();
  void SwitchMode(int mode);
  void ShowLengthKind(int kind);
  void SetChannel(const char* count, int points, const char* caption);
  bool VppSelected() const { return CurSel(1052) == 0; }
};
