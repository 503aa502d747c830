#pragma once
// CConnectTypeDLG (template 353): the connection dialog before every
// transfer. The caller sets g_LinkDirection and g_ImportFromScope and runs it
// modally; its OK button searches the instruments over USB or at the typed
// network address and runs the read or send dialog, or runs the oscilloscope
// import, which searches by itself. Enter and Esc end it without a search.

#include "platform/window/WindowSide.h"

#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

#include <optional>

class CInstrumentLink;

class CConnectTypeDLG : public CDialog {
 public:
  enum { IDD = 353 };
  // The template's controls.
  enum Control : int {
    IDC_USBTMC = 1036,
    IDC_IP = 1041,
    IDC_ADDRESS = 1075,
    IDC_CONNECT = 1311,
    IDC_CANCEL_BUTTON = 1312,
  };
  explicit CConnectTypeDLG(CWnd* parent = nullptr);

  CButton usbRadio;  // 1036: USBTMC
  CButton ipRadio;   // 1041: the network address in 1075

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnConnect();
  void OnCancelButton() { CDialog::OnCancel(); }
  void OnUsb();
  void OnIp();
  DECLARE_MESSAGE_MAP()

 private:
  void SearchAndTransfer(const CString& address);
  static void ReportNothingOffered(const CInstrumentLink& link);
  void RunImport(const CString& address);
};

// A network address as the instrument is reached at: four numbers from 0 to
// 255 joined by points (blanks around it ignored), written without leading
// zeros; none for anything else, "0.0.0.0" (an empty address) included.
std::optional<CString> DottedAddress(const CString& text);
