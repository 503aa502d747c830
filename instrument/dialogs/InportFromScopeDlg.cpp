#include "instrument/dialogs/InportFromScopeDlg.h"

#include "instrument/LinkServices.h"
#include "instrument/dialogs/DialogMessages.h"
#include "platform/afx/Exception.h"
#include "platform/window/DataExchange.h"
#include "shell/base/Translator.h"
#include "waveform/NumberHelpers.h"
#include "platform/window/Cursors.h"

namespace {

constexpr int kChannelBoxes[] = {CInportFromSCOPE::IDC_CH1, CInportFromSCOPE::IDC_CH2,
                                 CInportFromSCOPE::IDC_CH3, CInportFromSCOPE::IDC_CH4};
constexpr const char* kChannelNames[] = {"C1", "C2", "C3", "C4"};
constexpr int kMsgImportFailed = 344;

}  // namespace

BEGIN_MESSAGE_MAP(CInportFromSCOPE, CDialog)
ON_BN_CLICKED(IDC_IMPORT, OnImport)
ON_BN_CLICKED(IDC_UNLOAD, OnUnload)
ON_CBN_SELCHANGE(IDC_SCOPES, OnScopeChange)
ON_BN_CLICKED(IDC_CH1, OnCheck1)
ON_BN_CLICKED(IDC_CH2, OnCheck2)
ON_BN_CLICKED(IDC_CH3, OnCheck3)
ON_BN_CLICKED(IDC_CH4, OnCheck4)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CInportFromSCOPE::CInportFromSCOPE(CWnd* parent) : CDialog(IDD, parent) {}

void CInportFromSCOPE::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_SCOPES, scopeList); }

BOOL CInportFromSCOPE::OnInitDialog() {
  CDialog::OnInitDialog();
  g_Translator.TranslateDialog(m_hWnd, IDD);
  bool found = false;
  {
    CWaitCursor wait;
    found = link.SearchScopes(g_ScopeIpAddress);
  }
  if (!found) {  // it said what it did not find
    EndDialog(IDCANCEL);
    return TRUE;
  }
  FillScopeList();
  CheckDlgButton(IDC_CH1, BST_CHECKED);
  SendDlgItemMessage(IDC_LENGTH, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("16K"));
  SendDlgItemMessage(IDC_LENGTH, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("512K"));
  SendDlgItemMessage(IDC_LENGTH, CB_SETCURSEL, 0);
  return TRUE;
}

// However the dialog goes (import, cancel, close box, Enter, Esc), a raw-USB
// device an import loaded is released.
void CInportFromSCOPE::OnDestroy() {
  if (g_UsbDeviceHandle != -1) {
    link.UnloadScopeDevice();
    g_UsbDeviceHandle = -1;
  }
  CDialog::OnDestroy();
}

void CInportFromSCOPE::OnUnload() { EndDialog(IDCANCEL); }

void CInportFromSCOPE::FillScopeList() {
  scopeList.ResetContent();
  for (const ScopeEntry& row : g_ScopeTable)
    if (!row.resource.IsEmpty()) scopeList.AddString(row.resource);
  scopeList.SetCurSel(0);
  OnScopeChange();
}

int CInportFromSCOPE::FindScopeRow(const CString& resource) const {
  for (int i = 0; i < kDeviceTableRows; ++i)
    if (g_ScopeTable[static_cast<std::size_t>(i)].resource == resource) return i;
  return -1;
}

int CInportFromSCOPE::ScopeUsbIndex(const CString& resource) const {
  const int row = FindScopeRow(resource);
  return row < 0 ? -1 : StrToInt(g_ScopeTable[static_cast<std::size_t>(row)].usbIndex);
}

void CInportFromSCOPE::EnableChannels(const CString& channels) {
  BOOL enable;
  if (channels == "1" || channels == "2")
    enable = FALSE;
  else if (channels == "4")
    enable = TRUE;
  else
    return;
  GetDlgItem(IDC_CH3)->EnableWindow(enable);
  GetDlgItem(IDC_CH4)->EnableWindow(enable);
}

void CInportFromSCOPE::OnScopeChange() {
  CString text;
  if (const int at = scopeList.GetCurSel(); at >= 0) scopeList.GetLBText(at, text);
  if (const int row = FindScopeRow(text); row >= 0)
    EnableChannels(g_ScopeTable[static_cast<std::size_t>(row)].channels);
}

void CInportFromSCOPE::OnChannelCheck(int channel) {
  for (int i = 0; i < 4; ++i)
    CheckDlgButton(kChannelBoxes[i], i == channel ? BST_CHECKED : BST_UNCHECKED);
}

int CInportFromSCOPE::CheckedChannel() const {
  for (int i = 0; i < 4; ++i)
    if (IsDlgButtonChecked(kChannelBoxes[i]) == BST_CHECKED) return i;
  return -1;
}

void CInportFromSCOPE::OnImport() {
  const int channel = CheckedChannel();
  // A box the chosen oscilloscope does not have stays checked while disabled.
  if (channel >= 0 && !GetDlgItem(kChannelBoxes[channel])->IsWindowEnabled()) {
    linkio::ShowMessageById(kMsgChannelNotAvailable);
    return;
  }
  CString text;
  if (const int at = scopeList.GetCurSel(); at >= 0) scopeList.GetLBText(at, text);
  const int row = FindScopeRow(text);
  SetDlgItemText(IDC_IMPORT, "in progress ...");
  CWaitCursor wait;
  if (row >= 0 && channel >= 0) {
    const ScopeEntry& scope = g_ScopeTable[static_cast<std::size_t>(row)];
    if (scope.linkType == "USBRAW") {
      g_UsbDeviceHandle = ScopeUsbIndex(scope.resource);
      link.SelectUsbDevice(g_UsbDeviceHandle);
      link.SendUsbCommand("DBST");
      linkio::Pause(500);
      if (g_UsbDeviceHandle != -1) ImportChannelUsb(kChannelNames[channel]);
    } else if (scope.linkType == "USBTMC") {
      bool opened = false;  // a failed open leaves an older session in g_VisaInstrument
      try {
        opened = link.VisaOpen(scope.resource);
        if (!opened) linkio::ThrowAbort();
        ImportChannelVisa(kChannelNames[channel]);
      } catch (CException* e) {
        e->Delete();
        linkio::ShowMessageById(kMsgImportFailed);
      }
      if (opened) link.VisaClose();
    }
  }
  EndDialog(IDOK);
}
