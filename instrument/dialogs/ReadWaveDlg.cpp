#include "instrument/dialogs/ReadWaveDlg.h"

#include "instrument/LinkServices.h"
#include "instrument/ReadWaveRecord.h"
#include "instrument/dialogs/DialogKeys.h"
#include "instrument/dialogs/DialogMessages.h"
#include "instrument/dialogs/MainWindow.h"
#include "instrument/StoredList.h"
#include "platform/visa/Visa.h"
#include "platform/window/DataExchange.h"
#include "shell/base/Translator.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "platform/window/Cursors.h"

#include <string>

namespace {

constexpr int kMsgNotConnected = 312;
constexpr int kMsgNameOpen = 341;
constexpr ViUInt32 kListReply = 4096;
constexpr ViUInt32 kUserListReply = 1024;

// One raw VISA read of at most `size` bytes, as text: the bytes read.
CString ReadText(ViUInt32 size) {
  std::string buffer(size, '\0');
  ViUInt32 got = 0;
  viRead(g_VisaInstrument, reinterpret_cast<ViBuf>(buffer.data()), size, &got);
  return CString(buffer.data(), static_cast<int>(std::min(got, size)));
}

// A listed name read as the waveform it names: "user:abc" names abc.
CString WaveNameOf(const CString& listed) {
  const int colon = listed.Find(':');
  return colon < 0 ? listed : listed.Mid(colon + 1);
}

}  // namespace

BEGIN_MESSAGE_MAP(CReadWaveDLG, CDialog)
ON_BN_CLICKED(IDC_READ, OnRead)
ON_BN_CLICKED(IDC_CANCEL_BUTTON, OnCancel)
ON_CBN_SELCHANGE(IDC_DEVICES, OnDeviceChange)
END_MESSAGE_MAP()

CReadWaveDLG::CReadWaveDLG(CWnd* parent) : CDialog(IDD, parent) {}

void CReadWaveDLG::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_WAVES, waveList);
  DDX_Control(dx, IDC_DEVICES, deviceList);
}

BOOL CReadWaveDLG::OnInitDialog() {
  CDialog::OnInitDialog();
  g_Translator.TranslateDialog(m_hWnd, IDD);
  g_StoredWaves = {};
  FillDeviceList();
  QueryStoredList();
  return TRUE;
}

BOOL CReadWaveDLG::PreTranslateMessage(MSG* msg) {
  return IsEscapeKey(msg) || CDialog::PreTranslateMessage(msg);
}

// The cancel button and the close box: the sessions of the search go with it.
void CReadWaveDLG::OnCancel() {
  CloseSearchSessions();
  EndDialog(IDCANCEL);
}

void CReadWaveDLG::FillDeviceList() { FillGeneratorList(deviceList); }

std::optional<ChosenGenerator> CReadWaveDLG::ResolveDevice() const {
  return ChosenGeneratorOf(deviceList);
}

void CReadWaveDLG::QueryStoredList() {
  const auto chosen = ResolveDevice();
  if (!chosen) return;
  CWaitCursor wait;
  CString reply;
  if (IsRawUsbTag(chosen->Tag())) {
    SelectGenerator(link, *chosen);  // the list of this device, not of the last one loaded
    link.SendUsbCommand("CHDR SHORT");
    linkio::Pause(500);
    link.SendUsbCommand("STL? DEBUG");
    linkio::Pause(1000);
    link.ReadUsbFrame(reply);
  } else if (IsVisaTag(chosen->Tag())) {
    SelectGenerator(link, *chosen);
    viPrintf(g_VisaInstrument, "%s",
             IsSixteenBitFamily(chosen->Tag()) ? "STL? buildin\n" : "STL? DEBUG\n");
    linkio::Pause(1000);
    reply = ReadText(kListReply);
  }
  if (!reply.IsEmpty()) FillStoredList(reply);
}

void CReadWaveDLG::FillStoredList(const CString& reply) {
  const auto chosen = ResolveDevice();
  waveList.ResetContent();
  for (StoredWaveEntry& row : g_StoredWaves) row.name = CString();
  ParseStoredPairs(WithoutListKeyword(reply), true);
  for (StoredWaveEntry& row : g_StoredWaves) {
    row.name.TrimRight("\r\n ");
    row.name.Trim(' ');
    if (IsStoredWaveName(row.name)) waveList.AddString(row.name);
  }
  if (chosen && IsVisaTag(chosen->Tag()) && IsSixteenBitFamily(chosen->Tag())) AddUserWaves();
  if (waveList.GetCount() > 0) waveList.SetCurSel(0);
}

// The 16-bit families keep user waveforms by name; they are listed as
// "user:" and the name (never in g_StoredWaves).
void CReadWaveDLG::AddUserWaves() {
  viPrintf(g_VisaInstrument, "%s", "STL? user\n");
  linkio::Pause(100);
  CString list = ReadText(kUserListReply);
  list.TrimRight('\n');
  list.TrimRight('\r');
  if (list.Find(',') < 1) return;
  list = list.Mid(list.Find(',') + 1);
  for (;;) {
    const int comma = list.Find(',');
    CString token = comma < 0 ? list : list.Left(comma);
    token.Trim(' ');
    if (!token.IsEmpty()) waveList.AddString("user:" + token);
    if (comma < 0) return;
    list = list.Mid(comma + 1);
  }
}

void CReadWaveDLG::OnDeviceChange() { QueryStoredList(); }

void CReadWaveDLG::OnRead() {
  const auto chosen = ResolveDevice();
  if (chosen) SelectGenerator(link, *chosen);
  const bool visa = chosen && !chosen->rawUsb;
  CString listed;
  if (const int at = waveList.GetCurSel(); at >= 0) waveList.GetLBText(at, listed);

  if (!g_InstrumentConnected) {
    linkio::ShowMessageById(kMsgNotConnected);
    if (visa) viClose(g_VisaInstrument);
    return;
  }
  const CString name = WaveNameOf(listed);
  if (!listed.IsEmpty() && g_WaveNameList.Find(name) >= 0) {
    linkio::ShowMessageById(kMsgNameOpen, name);
    return;
  }
  if (listed.IsEmpty() || !chosen) return;
  if (!IsVisaTag(chosen->Tag()) && !IsRawUsbTag(chosen->Tag())) {
    linkio::ShowMessageById(kMsgUnknownModel);
    return;
  }
  CInstrumentLink reader;
  bool read = false;
  {
    CWaitCursor wait;
    read = reader.ReadWaveFromGenerator(listed, chosen->Tag());
  }
  if (!read) return;  // it said why
  if (visa) viClose(g_VisaInstrument);
  CreateReadWave();
  g_bWaveOpen = true;
  CloseSearchSessions();
  EndDialog(IDOK);
}

void CReadWaveDLG::CreateReadWave() {
  CWaveData wave = RecordFromLastRead(g_LastReadWave);
  g_nPointCount = wave.samplecount;
  g_bEditEnable = false;
  g_WaveArray.Add(std::move(wave));
  SendToMainWindow(WM_WAVE_UPDATE, kWaveUpdateOpenAndReplot);
}
