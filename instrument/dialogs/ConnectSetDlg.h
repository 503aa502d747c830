#pragma once
// CConnect_setDLG (template 151): loads or unloads a raw-USB device by its
// number and tells the main window the connection state (WM_LINK_STATE). No
// command opens it; its serial and network settings are hidden and unused.

#include "platform/window/WindowSide.h"

#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

class CConnect_setDLG : public CDialog {
 public:
  enum { IDD = 151 };
  // The template's controls.
  enum Control : int {
    IDC_NUMBER = 1048,
    IDC_PORT_USB_LIST = 1051,
    IDC_MODEL = 1091,
    IDC_SERIAL_LIST = 1093,
    IDC_USB = 1126,
    IDC_PORT_USB = 1128,
    IDC_PORT_SERIAL = 1129,
    IDC_PORT_TCP = 1130,
    IDC_SERIAL_RATE = 1132,
    IDC_TCP_ADDRESS = 1075,
    IDC_TCP_PORT = 1133,
    IDC_BUTTON1 = 1076,
    IDC_BUTTON3 = 1142,
    IDC_CONNECT = 1134,
    IDC_DISCONNECT = 1136,
  };
  explicit CConnect_setDLG(CWnd* parent = nullptr);

  CComboBox numberList;  // 1048: the device number, "0" or "1"
  CString numberText;    // its chosen entry
  CComboBox modelList;   // 1091: the one model "KRV1000"
  int connectMode = 0;   // 0 USB
  int portMode = 0;      // 0 USB, 1 serial, 2 TCP (settings only)

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnUsbMode();
  void OnPortUsb() { ChoosePort(0); }
  void OnPortSerial() { ChoosePort(1); }
  void OnPortTcp() { ChoosePort(2); }
  void OnNothing() {}
  void OnConnect();
  void OnDisconnect();
  DECLARE_MESSAGE_MAP()

 private:
  void ChoosePort(int mode);
};
