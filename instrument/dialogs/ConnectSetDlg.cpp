#include "instrument/dialogs/ConnectSetDlg.h"

#include "instrument/InstrumentLink.h"
#include "instrument/dialogs/MainWindow.h"
#include "platform/window/DataExchange.h"
#include "shell/base/Translator.h"
#include "waveform/NumberHelpers.h"
#include "waveform/PrivateMessages.h"

namespace {

// Each port choice with the settings it enables.
struct PortChoice {
  int radio;
  int settings[2];
};
using Set = CConnect_setDLG;
constexpr PortChoice kPorts[] = {
    {Set::IDC_PORT_USB, {Set::IDC_PORT_USB_LIST, 0}},
    {Set::IDC_PORT_SERIAL, {Set::IDC_SERIAL_LIST, Set::IDC_SERIAL_RATE}},
    {Set::IDC_PORT_TCP, {Set::IDC_TCP_ADDRESS, Set::IDC_TCP_PORT}}};

}  // namespace

BEGIN_MESSAGE_MAP(CConnect_setDLG, CDialog)
ON_BN_CLICKED(IDC_USB, OnUsbMode)
ON_BN_CLICKED(IDC_PORT_USB, OnPortUsb)
ON_BN_CLICKED(IDC_PORT_SERIAL, OnPortSerial)
ON_BN_CLICKED(IDC_PORT_TCP, OnPortTcp)
ON_BN_CLICKED(IDC_BUTTON1, OnNothing)
ON_BN_CLICKED(IDC_BUTTON3, OnNothing)
ON_BN_CLICKED(IDC_CONNECT, OnConnect)
ON_BN_CLICKED(IDC_DISCONNECT, OnDisconnect)
END_MESSAGE_MAP()

CConnect_setDLG::CConnect_setDLG(CWnd* parent) : CDialog(IDD, parent) {}

void CConnect_setDLG::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_NUMBER, numberList);
  DDX_CBString(dx, IDC_NUMBER, numberText);
  DDX_Control(dx, IDC_MODEL, modelList);
}

BOOL CConnect_setDLG::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckDlgButton(IDC_USB, BST_CHECKED);
  connectMode = 0;
  numberList.AddString("0");
  numberList.AddString("1");
  numberList.SetCurSel(0);
  CheckDlgButton(IDC_PORT_USB, BST_CHECKED);
  portMode = 0;
  for (int id : {IDC_SERIAL_LIST, IDC_SERIAL_RATE, IDC_TCP_ADDRESS, IDC_TCP_PORT})
    GetDlgItem(id)->EnableWindow(FALSE);
  g_Translator.TranslateDialog(m_hWnd, IDD);
  modelList.AddString("KRV1000");
  modelList.SetCurSel(0);
  return TRUE;
}

void CConnect_setDLG::OnUsbMode() {
  GetDlgItem(IDC_NUMBER)->EnableWindow(TRUE);
  connectMode = 0;
}

void CConnect_setDLG::ChoosePort(int mode) {
  portMode = mode;
  for (int i = 0; i < 3; ++i) {
    const PortChoice& port = kPorts[i];
    CheckDlgButton(port.radio, i == mode ? BST_CHECKED : BST_UNCHECKED);
    for (int id : port.settings)
      if (id) GetDlgItem(id)->EnableWindow(i == mode);
  }
}

void CConnect_setDLG::OnConnect() {
  UpdateData(TRUE);
  CInstrumentLink link;
  if (connectMode == 0) {
    int number = StrToInt(numberText);
    if (link.LoadUsbDevice(number)) {  // a refusal is reported by the link (text 300)
      g_InstrumentConnected = true;
      SendToMainWindow(WM_LINK_STATE);
    }
  }
  EndDialog(IDOK);
}

void CConnect_setDLG::OnDisconnect() {
  UpdateData(TRUE);
  CInstrumentLink link;
  if (connectMode == 0 && g_InstrumentConnected) {
    link.UnloadUsbDevice(StrToInt(numberText));
    g_InstrumentConnected = false;
  }
  SendToMainWindow(WM_LINK_STATE);
  EndDialog(IDCANCEL);
}
