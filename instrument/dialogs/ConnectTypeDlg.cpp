#include "instrument/dialogs/ConnectTypeDlg.h"

#include "instrument/InstrumentLink.h"
#include "instrument/LinkServices.h"
#include "instrument/dialogs/DialogMessages.h"
#include "instrument/dialogs/GeneratorList.h"
#include "instrument/dialogs/InportFromScopeDlg.h"
#include "instrument/dialogs/ReadWaveDlg.h"
#include "instrument/dialogs/WaveSendDlg.h"
#include "platform/window/Cursors.h"
#include "platform/window/DataExchange.h"
#include "shell/base/Translator.h"

#include <cstdlib>

namespace {

constexpr int kMsgNothingFound = 338;

}  // namespace

std::optional<CString> DottedAddress(const CString& text) {
  CString rest = text;
  rest.Trim(' ');
  CString out;
  bool any = false;
  for (int part = 0; part < 4; ++part) {
    const int dot = rest.Find('.');
    if ((part < 3) != (dot >= 0)) return std::nullopt;
    const CString field = part < 3 ? rest.Left(dot) : rest;
    if (field.IsEmpty() || field.GetLength() > 3 || field.SpanIncluding("0123456789") != field)
      return std::nullopt;
    const int value = std::atoi(field);
    if (value > 255) return std::nullopt;
    any = any || value != 0;
    CString number;
    number.Format(part ? ".%d" : "%d", value);
    out += number;
    rest = rest.Mid(dot + 1);
  }
  if (!any) return std::nullopt;
  return out;
}

BEGIN_MESSAGE_MAP(CConnectTypeDLG, CDialog)
ON_BN_CLICKED(IDC_CONNECT, OnConnect)
ON_BN_CLICKED(IDC_CANCEL_BUTTON, OnCancelButton)
ON_BN_CLICKED(IDC_USBTMC, OnUsb)
ON_BN_CLICKED(IDC_IP, OnIp)
END_MESSAGE_MAP()

CConnectTypeDLG::CConnectTypeDLG(CWnd* parent) : CDialog(IDD, parent) {}

void CConnectTypeDLG::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_USBTMC, usbRadio);
  DDX_Control(dx, IDC_IP, ipRadio);
}

BOOL CConnectTypeDLG::OnInitDialog() {
  CDialog::OnInitDialog();
  g_Translator.TranslateDialog(m_hWnd, IDD);
  CheckRadioButton(IDC_USBTMC, IDC_IP, g_LinkType == 0 ? IDC_USBTMC : IDC_IP);
  SetDlgItemText(IDC_ADDRESS, g_LinkIpAddress);
  UpdateData(FALSE);
  return TRUE;
}

void CConnectTypeDLG::OnUsb() { g_LinkType = 0; }

void CConnectTypeDLG::OnIp() {
  g_LinkType = 1;
  GetDlgItem(IDC_ADDRESS)->SetFocus();
}

void CConnectTypeDLG::OnConnect() {
  CString address;
  if (g_LinkType == 1) {
    CString typed;
    GetDlgItemText(IDC_ADDRESS, typed);
    const std::optional<CString> dotted = DottedAddress(typed);
    if (!dotted) {  // refused before anything is searched; the dialog stays for a correction
      linkio::ShowMessageById(kMsgBadAddress);
      GetDlgItem(IDC_ADDRESS)->SetFocus();
      return;
    }
    address = *dotted;
    g_LinkIpAddress = address;
  }
  // The dialog is ended first; the search and the next dialog still run in
  // this handler, before the modal run returns.
  CDialog::OnOK();
  if (g_ImportFromScope == 0)
    SearchAndTransfer(address);
  else
    RunImport(address);
}

void CConnectTypeDLG::SearchAndTransfer(const CString& address) {
  CInstrumentLink link;
  {
    CWaitCursor wait;  // the search answers nothing until the instruments did
    if (g_LinkType == 0) {
      link.SearchUsbGenerators();
      link.SearchVisaGenerators("");
    } else {
      link.SearchVisaGenerators(address);
    }
  }
  // The flag says what this search found, not what an earlier one did: a
  // generator the send and read dialogs can list.
  g_InstrumentConnected = OfferedGeneratorCount() > 0;
  if (!g_InstrumentConnected) {
    CloseSearchSessions();
    ReportNothingOffered(link);
    return;
  }
  if (g_LinkDirection == 0) {
    CReadWaveDLG read(nullptr);
    read.DoModal();
  } else if (g_LinkDirection == 1) {
    CWave_sendDLG send(nullptr);
    send.DoModal();
  }
}

// Why no transfer can start: an instrument that did not identify itself,
// one of no known generator family, or none at all.
void CConnectTypeDLG::ReportNothingOffered(const CInstrumentLink& link) {
  if (link.unidentified < 0)
    linkio::ShowMessageById(kMsgNotIdentified, linkio::CauseText(link.unidentified));
  else if (link.usbGeneratorCount != 0 || link.visaDeviceCount != 0)
    linkio::ShowMessageById(kMsgUnknownModel);
  else
    linkio::ShowMessage(linkio::TranslatedText(kMsgNothingFound));
}

void CConnectTypeDLG::RunImport(const CString& address) {
  g_ScopeIpAddress = g_LinkType == 0 ? CString() : address;
  CInportFromSCOPE import(nullptr);
  import.DoModal();
}
