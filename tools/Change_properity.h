#pragma once
// CChange_properity: the waveform property dialog (template 159): the name,
// amplitude and unit, frequency or period of the waveform in the active
// window, with a preview. No command opens it; a caller constructs it and
// runs it modally like the other tools.

#include "containers/CSgScalarVector.h"
#include "tools/MathDialog.h"

class CChange_properity : public CMathDialog {
 public:
  enum { IDD = 159 };
  CChange_properity();

  SG::CSgGraph m_graph{2};
  SG::CSgScalarVector<float> m_work;
  int m_nIndex = 0;
  int m_nMode = 0;  // 0 frequency given, 1 period given
  CString m_strOriginalName;
  int m_nPointCount = 0;
  double m_dAmplitude = 0.0;
  int m_nQuantisation = 0;
  double m_dFrequency = 0.0;
  double m_dPeriod = 0.0;
  CString m_strName;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override { ApplyProperties(); }
  void ReleaseWork() override { m_work.SetSize(0, FALSE); }
  void OnSelchangeWave();
  void OnFrequencyMode() { m_nMode = 0; }
  void OnPeriodMode() { m_nMode = 1; }
  void OnChangeFrequency() { OnChangePaired(1002, m_dFrequency, m_dPeriod); }
  void OnChangePeriod() { OnChangePaired(1009, m_dPeriod, m_dFrequency); }
  void OnKillfocusFrequency() { ResetIfNotPositive(1002); }
  void OnKillfocusPeriod() { ResetIfNotPositive(1009); }
  void OnSelchangeFrequencyUnit() { PairUnits(1088, 1090); }
  void OnSelchangePeriodUnit() { PairUnits(1090, 1088); }
  void OnChangeAmplitude();
  void OnKillfocusAmplitude();
  void OnChangeName() { RemoveTypedBlanks(1280); }
  void OnPreview() { UpdatePreview(); }
  DECLARE_MESSAGE_MAP()

 private:
  void LoadWave(int index);
  // False when the preview stopped early (a frequency or period not above
  // zero, or an amplitude above the limit).
  bool UpdatePreview();
  void ApplyProperties();
  void OnChangePaired(int id, double& given, double& other);
  void ResetIfNotPositive(int id);
  void PairUnits(int from, int to);
  void WriteFieldsQuietly();
  bool VppSelected() const { return CurSel(1052) != 1; }
};
