#pragma once
// CReadWaveDLG (template 163): reads one stored waveform back from a
// generator into a new waveform window. The connection dialog runs it after
// a search filled the generator tables. A read that fails says why and
// leaves the dialog open; one that succeeds appends the waveform and asks the
// main frame for its window (WM_WAVE_UPDATE 1500).

#include "platform/window/WindowSide.h"

#include "instrument/InstrumentLink.h"
#include "instrument/dialogs/GeneratorList.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

class CReadWaveDLG : public CDialog {
 public:
  enum { IDD = 163 };
  // The template's controls.
  enum Control : int {
    IDC_WAVES = 1087,
    IDC_DEVICES = 1088,
    IDC_READ = 1144,
    IDC_CANCEL_BUTTON = 1237,
  };
  explicit CReadWaveDLG(CWnd* parent = nullptr);

  CInstrumentLink link;
  CComboBox waveList;    // 1087: the chosen generator's stored waveforms
  CComboBox deviceList;  // 1088: every generator found

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnOK() override { OnRead(); }
  void OnCancel() override;

  void OnRead();
  void OnDeviceChange();
  DECLARE_MESSAGE_MAP()

 private:
  void FillDeviceList();
  std::optional<ChosenGenerator> ResolveDevice() const;
  void QueryStoredList();
  void FillStoredList(const CString& reply);
  void AddUserWaves();
  void CreateReadWave();
};
