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
