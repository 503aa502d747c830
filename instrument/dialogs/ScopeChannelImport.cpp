// The import's capture of one channel, over VISA and over raw USB, and the
// new waveform it becomes. Every read is checked before anything is decoded;
// a capture that fails says why and creates nothing.
#include "instrument/dialogs/InportFromScopeDlg.h"

#include "instrument/LinkServices.h"
#include "instrument/ScopeBlock.h"
#include "instrument/dialogs/DialogMessages.h"
#include "instrument/dialogs/MainWindow.h"
#include "platform/afx/Exception.h"
#include "platform/visa/Visa.h"
#include "waveform/NumberHelpers.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr ViUInt32 kCaptureTimeoutMs = 120000;
constexpr ViUInt32 kQueryTimeoutMs = 2000;
constexpr int kUsbCaptureCodes = 300;

bool UsableScale(float value) { return std::isfinite(value) && value > 0; }

// Puts the waveform set-up back to its usual form ("WFSU TYPE,1") once the
// capture changed it, on every way out. Written directly: a connection that
// failed already said so, and the restore adds no box of its own.
class WaveformSetupRestore {
 public:
  ~WaveformSetupRestore() { Restore(); }
  void Restore() {
    if (std::exchange(pending_, false)) viPrintf(g_VisaInstrument, "%s", "WFSU TYPE,1\n");
  }

 private:
  bool pending_ = true;
};

// The two private identity replies; an oscilloscope that does not answer them
// leaves them empty (and the capture is kept).
std::pair<CString, CString> PrivateIdentityVisa(CInstrumentLink& link) {
  CString first, second;
  try {
    char reply[256] = {};
    link.VisaSend("*IDN-KVRN-PRI?\n");
    link.VisaReceive(reply);
    first = reply;
    std::memset(reply, 0, sizeof reply);
    link.VisaSend("IDN-KVRN-PRI?\n");
    link.VisaReceive(reply);
    second = reply;
  } catch (CException* e) {
    e->Delete();
  }
  return {first, second};
}

}  // namespace

void CInportFromSCOPE::ImportChannelVisa(const CString& channel) {
  const float tdiv = link.QueryTdivVisa();
  const float vdiv = g_VisaStatus < 0 ? 0.0f : link.QueryVdivVisa(channel);
  if (g_VisaStatus < 0) {  // a connection lost is no time base of 0
    linkio::ShowMessageById(kMsgScopeReadFailed, linkio::CauseText(g_VisaStatus));
    return;
  }
  if (!UsableScale(tdiv) || !UsableScale(vdiv)) {
    linkio::ShowMessageById(kMsgScopeNoScale);
    return;
  }
  link.VisaSend("WFSU TYPE,0\n");
  WaveformSetupRestore restore;
  link.VisaSend("CHDR ON\n");
  viSetAttribute(g_VisaInstrument, VI_ATTR_TMO_VALUE, kCaptureTimeoutMs);
  link.VisaSend(channel + ":WF? ALL\n");
  linkio::Pause(3000);
  ViUInt32 got = 0;
  const ViStatus status = viRead(g_VisaInstrument, g_ScopeRawBuf.data(),
                                 static_cast<ViUInt32>(g_ScopeRawBuf.size()), &got);
  viSetAttribute(g_VisaInstrument, VI_ATTR_TMO_VALUE, kQueryTimeoutMs);
  if (status < 0) {
    linkio::ShowMessageById(kMsgScopeReadFailed, linkio::CauseText(status));
    return;
  }
  if (status == VI_SUCCESS_MAX_CNT) viClear(g_VisaInstrument);  // the rest is not wanted
  const long long codes = ScopeBlockCodeCount(
      g_ScopeRawBuf.data(), std::min<std::size_t>(got, g_ScopeRawBuf.size()), kScopeSampleCapacity);
  if (codes < 0) {
    linkio::ShowMessageById(kMsgScopeBadBlock);
    return;
  }
  const float offset = link.QueryOfstVisa(channel);
  float max = 0, min = 0;
  const int n = ConvertCodesVisa(g_ScopeRawBuf.data() + kScopeBlockCodesAt, static_cast<int>(codes),
                                 vdiv, offset, max, min);
  if (n == 0) {
    linkio::ShowMessageById(kMsgScopeNothingCaptured);
    return;
  }
  const auto [first, second] = PrivateIdentityVisa(link);
  CreateImportedWave(n, max, min, tdiv, Divisions(first, second));
  restore.Restore();
  SendToMainWindow(WM_MENU_UPDATE);
}

void CInportFromSCOPE::ImportChannelUsb(const CString& channel) {
  link.SendUsbCommand(channel + ":TRA ON");
  std::size_t copied = 0;
  link.ReadScopeWaveUsb(channel, g_ScopeRawBuf.data(), g_ScopeRawBuf.size(), &copied);
  link.SendUsbCommand("WFSU TYPE,1");  // the capture set "type,0" up
  if (copied == 0) {
    linkio::ShowMessageById(kMsgScopeNothingCaptured);
    return;
  }
  const float vdiv = link.QueryVdivUsb(channel);
  const float offset = link.QueryOfstUsb(channel);
  if (!UsableScale(vdiv)) {
    linkio::ShowMessageById(kMsgScopeNoScale);
    return;
  }
  float max = 0, min = 0;
  const int n = ConvertCodesUsb(g_ScopeRawBuf.data(),
                                static_cast<int>(std::min<std::size_t>(copied, kUsbCaptureCodes)),
                                vdiv, offset, max, min);
  CString first, second;
  link.SendUsbCommand("*IDN-KVRN-PRI?");
  link.ReadUsbReply(first);
  link.SendUsbCommand("IDN-KVRN-PRI?");
  link.ReadUsbReply(second);
  CreateImportedWave(n, max, min, 1.0, Divisions(first, second));
  SendToMainWindow(WM_MENU_UPDATE);
}

void CInportFromSCOPE::CreateImportedWave(int count, float max, float min, double tdiv,
                                          int divisions) {
  CWaveData wave;
  do {
    ++g_nWaveNameCounter;
    wave.wavename = "Wavename" + IntToStr(g_nWaveNameCounter, 0);
  } while (g_WaveNameList.Find(wave.wavename) >= 0);

  CString length;  // the chosen entry of the length list
  GetDlgItemText(IDC_LENGTH, length);
  if (length == "16K") g_nPointCount = kImportShort;
  if (length == "512K") g_nPointCount = kImportLong;
  const int n = std::clamp(g_nPointCount, 2, kImportLong);

  const double span = divisions * tdiv;
  wave.pointcount = wave.samplecount = n;
  wave.freq = 1 / span;
  wave.frequnit = 2;
  wave.period = static_cast<float>(span) * 1000.0;
  wave.periodunit = 2;
  wave.span = max - min;
  wave.spanunit = 0;
  wave.offset = (max + min) / 2;
  wave.offsetunit = 0;
  wave.phase = 0;
  wave.timemode = 0;
  wave.cursorson = false;
  g_bEditEnable = false;

  float* samples = g_ScopeResampled.data();
  std::fill(samples, samples + n, 0.0f);
  ResampleToLength(g_ScopeSamples.data(), count, samples, n);
  wave.thedata.SetSize(static_cast<unsigned>(n), TRUE);
  std::copy(samples, samples + n, wave.thedata.GetData());
  DisplayDecimation(wave);
  g_WaveArray.Add(std::move(wave));
  OpenWaveWindowAndReplot();
}
