#pragma once
// CWave_sendDLG (template 162): sends one open waveform into a generator's
// arbitrary-waveform memory. The connection dialog runs it after a search
// filled the generator tables. Its checks refuse what the chosen model
// cannot take (instrument/dialogs/SendChecks.h), each with its message, and
// leave it open; a send that went through closes the search's sessions and
// ends it.

#include "platform/window/WindowSide.h"

#include "instrument/InstrumentLink.h"
#include "instrument/dialogs/GeneratorList.h"
#include "instrument/dialogs/SendChecks.h"
#include "instrument/dialogs/SendModels.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

// The slot last chosen, kept for the run: the next opening preselects it.
extern LONG g_SelectedSlot;

class CWave_sendDLG : public CDialog {
 public:
  enum { IDD = 162 };
  // The template's controls.
  enum Control : int {
    IDC_CH1 = 1036,
    IDC_CH2 = 1041,
    IDC_SLOTS = 1087,
    IDC_DEVICES = 1088,
    IDC_WAVES = 1094,
    IDC_CANCEL_BUTTON = 1140,
    IDC_SEND = 1246,
  };
  explicit CWave_sendDLG(CWnd* parent = nullptr);

  CInstrumentLink link;
  CComboBox waveList;    // 1094: the open waveforms, in collection order
  CComboBox slotList;    // 1087: the storage slots of the chosen model
  CComboBox deviceList;  // 1088: every generator found (sorted)
  int channel = 0;       // 0 CH1 (1036), 1 CH2 (1041)

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnOK() override { OnSend(); }
  void OnCancel() override;

  void OnSend();
  void OnDeviceChange();
  void OnSlotChange();
  void OnWaveChange();
  void OnChannelClick();
  DECLARE_MESSAGE_MAP()

 private:
  // The chosen generator and its family (null for a model of no known family).
  struct Device {
    std::optional<ChosenGenerator> chosen;
    const SendFamily* family = nullptr;
  };
  Device ResolveDevice() const;
  void FillDeviceList();
  void FillSlotList(const SendFamily* family);
  void SelectRememberedSlot();
  void ReadStoredWaveList();
  void ParseStoredWaveList(const CString& reply);
  void FillWaveList();
  void ShowChannels(const SendFamily* family);
  // The bandwidth text a VISA generator answers to "PROD?".
  CString QueryBandwidth();
  // Runs the checks and the write; false when the dialog stays open.
  bool Send();
  bool WriteRecord(const CString& position, int index, const CString& name, const CString& tag,
                   const SendPeak& peak);
};
