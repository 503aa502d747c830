#include "instrument/dialogs/WaveSendDlg.h"

#include "instrument/LinkServices.h"
#include "instrument/dialogs/DialogKeys.h"
#include "instrument/dialogs/DialogMessages.h"
#include "instrument/dialogs/MainWindow.h"
#include "instrument/dialogs/SendChecks.h"
#include "instrument/StoredList.h"
#include "instrument/dialogs/TableViewSeam.h"
#include "platform/services/Services.h"
#include "platform/visa/Visa.h"
#include "platform/window/DataExchange.h"
#include "shell/base/Translator.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "platform/window/Cursors.h"

#include <algorithm>

LONG g_SelectedSlot = 0;

namespace {

constexpr int kMsgNotConnected = 312;
constexpr int kMsgNameStored = 311;
constexpr int kMsgDoubleByteName = 348;
constexpr std::size_t kListReply = 2048;
constexpr ViUInt32 kBandwidthReply = 128;

// A name the instrument cannot show: any byte outside ASCII (narrow text is
// UTF-8 here, so every character of another script).
bool HasWideCharacter(const CString& name) {
  for (int i = 0; i < name.GetLength(); ++i)
    if (static_cast<unsigned char>(name[i]) >= 0x80) return true;
  return false;
}

// One formatted VISA read into a buffer of `size` bytes, as text.
CString ScanText(ViUInt32 size) {
  std::string buffer(size, '\0');
  ViUInt32 got = size;
  if (viScanf(g_VisaInstrument, "%#t", &got, buffer.data()) < 0) return CString();
  return CString(buffer.c_str());
}

}  // namespace

BEGIN_MESSAGE_MAP(CWave_sendDLG, CDialog)
ON_BN_CLICKED(IDC_SEND, OnSend)
ON_BN_CLICKED(IDC_CANCEL_BUTTON, OnCancel)
ON_CBN_SELCHANGE(IDC_DEVICES, OnDeviceChange)
ON_CBN_SELCHANGE(IDC_SLOTS, OnSlotChange)
ON_CBN_SELCHANGE(IDC_WAVES, OnWaveChange)
ON_BN_CLICKED(IDC_CH1, OnChannelClick)
ON_BN_CLICKED(IDC_CH2, OnChannelClick)
END_MESSAGE_MAP()

CWave_sendDLG::CWave_sendDLG(CWnd* parent) : CDialog(IDD, parent) {}

void CWave_sendDLG::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_WAVES, waveList);
  DDX_Control(dx, IDC_SLOTS, slotList);
  DDX_Control(dx, IDC_DEVICES, deviceList);
  DDX_Radio(dx, IDC_CH1, channel);
}

BOOL CWave_sendDLG::OnInitDialog() {
  CDialog::OnInitDialog();
  g_Translator.TranslateDialog(m_hWnd, IDD);
  g_StoredWaves = {};
  FillDeviceList();
  const Device device = ResolveDevice();
  if (device.family && device.family->readsList) ReadStoredWaveList();
  FillSlotList(device.family);
  ShowChannels(device.family);
  FillWaveList();
  return TRUE;
}

BOOL CWave_sendDLG::PreTranslateMessage(MSG* msg) {
  return IsEscapeKey(msg) || CDialog::PreTranslateMessage(msg);
}

// The cancel button and the close box: the sessions the search opened are
// not needed any more (the next transfer searches again).
void CWave_sendDLG::OnCancel() {
  CloseSearchSessions();
  EndDialog(IDCANCEL);
}

void CWave_sendDLG::FillDeviceList() { FillGeneratorList(deviceList); }

CWave_sendDLG::Device CWave_sendDLG::ResolveDevice() const {
  Device device;
  device.chosen = ChosenGeneratorOf(deviceList);
  if (device.chosen)
    device.family =
        FindSendFamily(device.chosen->Tag(), VersionNumber(device.chosen->row->version));
  return device;
}

void CWave_sendDLG::FillSlotList(const SendFamily* family) {
  slotList.ResetContent();
  if (!family) return;
  const int count = SlotCount(*family);
  for (int slot = 0; slot < count; ++slot) slotList.AddString(SlotName(*family, slot));
  if (family->arbSlots == 0)
    slotList.SetCurSel(0);
  else
    SelectRememberedSlot();
}

// A slot remembered from a model with more slots is none of this model's:
// nothing is selected, and a send asks for a slot rather than overwrite one
// the user never chose.
void CWave_sendDLG::SelectRememberedSlot() {
  const int slot = g_SelectedSlot;
  slotList.SetCurSel(slot >= 0 && slot < slotList.GetCount() ? slot : -1);
}

// One rule for hiding the channel choice: the families with one output.
void CWave_sendDLG::ShowChannels(const SendFamily* family) {
  const int show = family && family->singleChannel ? SW_HIDE : SW_SHOW;
  GetDlgItem(IDC_CH1)->ShowWindow(show);
  GetDlgItem(IDC_CH2)->ShowWindow(show);
}

void CWave_sendDLG::ReadStoredWaveList() {
  const Device device = ResolveDevice();
  if (!device.chosen) return;
  CWaitCursor wait;
  CString reply;
  if (IsRawUsbTag(device.chosen->Tag())) {
    SelectGenerator(link, *device.chosen);  // the list of this device, not the last one loaded
    link.SendUsbCommand("CHDR SHORT");
    linkio::Pause(500);
    link.SendUsbCommand("STL? RELEASE");
    linkio::Pause(1000);
    link.ReadUsbFrame(reply);
  } else if (IsVisaTag(device.chosen->Tag())) {
    SelectGenerator(link, *device.chosen);
    viPrintf(g_VisaInstrument, "%s", "STL? RELEASE\n");
    linkio::Pause(1000);
    reply = ScanText(kListReply);
    reply.TrimRight('\n');
  }
  if (!reply.IsEmpty()) ParseStoredWaveList(reply);
}

void CWave_sendDLG::ParseStoredWaveList(const CString& reply) {
  ParseStoredPairs(WithoutListKeyword(reply), false);
  SelectRememberedSlot();
}

void CWave_sendDLG::FillWaveList() {
  waveList.ResetContent();
  for (int i = 0; i < g_WaveArray.GetSize(); ++i) waveList.AddString(g_WaveArray[i].wavename);
  if (waveList.GetCount() == 0) return;
  SendToMainWindow(WM_WAVE_ACTIVATE);
  waveList.SetCurSel(g_nActiveWave >= 0 && g_nActiveWave < waveList.GetCount() ? g_nActiveWave : 0);
}

void CWave_sendDLG::OnDeviceChange() {
  const Device device = ResolveDevice();
  if (device.family && device.family->readsList) ReadStoredWaveList();
  g_SelectedSlot = 0;
  FillSlotList(device.family);
  ShowChannels(device.family);
}

void CWave_sendDLG::OnChannelClick() {
  UpdateData(TRUE);
  FillSlotList(ResolveDevice().family);
}

void CWave_sendDLG::OnSlotChange() { g_SelectedSlot = slotList.GetCurSel(); }

void CWave_sendDLG::OnWaveChange() {
  const int index = waveList.GetCurSel();
  if (index < 0 || index >= g_WaveArray.GetSize()) return;
  ActivateWaveWindow(g_WaveArray[index].wavename);
  g_nPointCount = g_WaveArray[index].pointcount;
}

CString CWave_sendDLG::QueryBandwidth() {
  ViUInt32 written = 0;
  viWrite(g_VisaInstrument, reinterpret_cast<ViConstBuf>("PROD?"), 5, &written);
  linkio::Pause(500);
  return ScanText(kBandwidthReply);
}

void CWave_sendDLG::OnSend() {
  if (Send()) {
    CloseSearchSessions();
    EndDialog(IDOK);
  }
}

bool CWave_sendDLG::Send() {
  UpdateData(TRUE);
  const int index = waveList.GetCurSel();
  if (index < 0 || index >= g_WaveArray.GetSize()) {
    linkio::ShowMessageById(kMsgNoWaveToSend);
    return false;
  }
  CString name;
  waveList.GetLBText(index, name);
  if (HasWideCharacter(name)) {
    linkio::ShowMessageById(kMsgDoubleByteName);
    return false;
  }

  const Device device = ResolveDevice();
  const CString tag = device.chosen ? device.chosen->Tag() : CString();
  CString bandwidth;
  if (device.chosen) {
    SelectGenerator(link, *device.chosen);
    if (IsVisaTag(tag)) bandwidth = QueryBandwidth();
  }

  const SendFamily* family = device.family;
  const int slot = slotList.GetCurSel();
  CString position;
  if (family && family->positionBase == kLocalPath) {
    position = kLocalStoragePath;
  } else if (family) {
    g_SelectedSlot = slot;
    position = SlotPosition(*family, slot);
  }
  name.Trim(' ');
  CString upperPosition = position;
  upperPosition.Trim(' ');

  if (!g_InstrumentConnected) {
    linkio::ShowMessageById(kMsgNotConnected);
    return false;
  }
  // The name stored at another position: the user may rename the waveform.
  if (tag.Find("KRV2000") < 0) {
    for (const StoredWaveEntry& row : g_StoredWaves) {
      CString stored = row.name, at = row.position;
      stored.Trim(' ');
      at.Trim(' ');
      if (!IsStoredWaveName(stored, true) || stored.CompareNoCase(name) != 0 ||
          at.CompareNoCase(upperPosition) == 0)
        continue;
      if (services::ShowMessageBox(nullptr, linkio::MessageText(kMsgNameStored), nullptr,
                                   MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
        OpenTableView();
        FillWaveList();
      }
      return false;
    }
  }
  if (position.IsEmpty()) {
    linkio::ShowMessageById(family ? kMsgNoSlotChosen : kMsgUnknownModel);
    return false;
  }

  CWaveData& wave = g_WaveArray[index];
  const int count = wave.samplecount;
  const std::size_t frameBytes =
      kUsbHead +
      static_cast<std::size_t>(
          CInstrumentLink::BuildWaveHeader(position, name, wave, tag).GetLength()) +
      2 * static_cast<std::size_t>(std::max(count, 0));
  const int sendChannel = family->singleChannel ? 0 : channel;
  const SendPeak peak = PeakOfSamples(wave);
  std::optional<Refusal> refusal = CheckSampleCount(*family, count, frameBytes);
  if (!refusal) refusal = CheckFrequency(*family, FrequencyHz(wave), bandwidth);
  if (!refusal) refusal = CheckLongWave(*family, count, slot);
  if (!refusal) refusal = CheckPeak(*family, sendChannel, peak.peak, wave.vppunit);
  if (refusal) {
    linkio::ShowMessage(refusal->text);
    return false;
  }

  g_OutputChannel = sendChannel;
  return WriteRecord(position, index, name, tag, peak);
}

// The amplitude packs the samples; it stays in the record only when the
// waveform went out with it. A DC level goes out as the offset, for this
// write only: the record keeps its own offset.
bool CWave_sendDLG::WriteRecord(const CString& position, int index, const CString& name,
                                const CString& tag, const SendPeak& peak) {
  CWaveData& wave = g_WaveArray[index];
  struct Restore {
    CWaveData& wave;
    const double vpp, offset;
    const int offsetunit;
    bool sent = false;
    ~Restore() {
      wave.offset = offset;
      wave.offsetunit = offsetunit;
      if (!sent) wave.vpp = vpp;  // the link said why
    }
  } restore{wave, wave.vpp, wave.offset, wave.offsetunit};
  wave.vpp = peak.amplitude;
  if (peak.level) {
    wave.offset = *peak.level;
    wave.offsetunit = wave.vppunit;  // the level is in the amplitude's unit
  }
  CWaitCursor wait;
  restore.sent = link.WriteWaveToGenerator(position, index, name, tag) != FALSE;
  return restore.sent;
}
