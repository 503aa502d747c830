#pragma once
// CTest_Read_Send_ByStep (template 203, not translated): drives the generator
// protocol over raw USB one command at a time, each request and reply shown
// in a box with a fixed Chinese text. Every step that sends talks to the
// raw-USB generator the last scan identified (g_UsbGeneratorIndex), selected
// first. The coordinate bar's step-test button runs it.

#include "platform/window/WindowSide.h"

#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

class CInstrumentLink;

class CTest_Read_Send_ByStep : public CDialog {
 public:
  enum { IDD = 203 };
  // The template's controls.
  enum Control : int {
    IDC_READ_POSITIONS = 1052,
    IDC_STORE_POSITIONS = 1087,
    IDC_WAVES = 1088,
    IDC_LIST_REQUEST = 1268,
    IDC_WRITE_PARAMS = 1269,
    IDC_WRITE_DATA = 1270,
    IDC_LIST_REQUEST2 = 1271,
    IDC_QUERY_PARAMS = 1272,
    IDC_READ_DATA = 1273,
    IDC_STORE_LIST_REPLY = 1274,
    IDC_READ_LIST_REPLY = 1275,
    IDC_READ_PARAMS = 1276,
    IDC_WRITE_WAVE = 1278,
  };
  explicit CTest_Read_Send_ByStep(CWnd* parent = nullptr);

  CComboBox storePositionList;  // 1087: positions for the write steps
  CComboBox waveList;           // 1088: the open waveforms
  CComboBox readPositionList;   // 1052: positions for the read steps

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnListRequest();
  void OnStoreListReply();
  void OnReadListReply();
  void OnWriteParams();
  void OnWriteDataSelections();
  void OnWriteWave();
  void OnQueryParams();
  void OnReadParams();
  void OnReadData();
  DECLARE_MESSAGE_MAP()

 private:
  void FillWaveList();
  void ParseStoreList(const CString& reply);
  void ParseReadList(const CString& reply);
  // Makes the scan's raw-USB generator current; false (with a box) when no
  // scan found one.
  bool SelectDevice(CInstrumentLink& link);
  CString ReadPosition() const;
  CString StorePosition() const;
};
