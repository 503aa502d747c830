// The generator side of the waveform protocol: the unit formatters, the
// parameter text and header, the packing of samples into 16- or 14-bit codes,
// the block write over VISA or raw USB and the commit command after it.
#include "instrument/InstrumentLink.h"

#include "instrument/BlockBuffer.h"
#include "instrument/CodeLanes.h"
#include "instrument/LinkMessages.h"
#include "instrument/LinkServices.h"
#include "instrument/SplitWork.h"
#include "platform/usb/RawUsbDriver.h"
#include "platform/visa/Visa.h"
#include "waveform/WaveCollections.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

CString Fixed9(double value) {
  CString text;
  text.Format("%0.9f", value);
  return text;
}

double Scaled(double value, int unit, std::initializer_list<double> factors) {
  if (unit < 0 || unit >= static_cast<int>(factors.size())) return value;
  return value * factors.begin()[unit];
}

CString ChannelPrefix() {
  CString text;
  text.Format("C%d:", static_cast<int>(g_OutputChannel + 1));
  return text;
}

// The offset in the amplitude's unit (amplitude 0 Vpp / 1 mVpp, offset 0 V / 1 mV).
double WorkingOffset(const CWaveData& wave) {
  int a = wave.vppunit, o = wave.offsetunit;
  if (a == o) return wave.offset;
  if (a == 0 && o == 1) return wave.offset / 1000;
  if (a == 1 && o == 0) return wave.offset * 1000;
  return 0;
}

// The codes of samples: each quotient is clamped to the code range, so a
// sample beyond full scale packs as the extreme code instead of wrapping
// round to the other sign; one that is not finite (or any, at amplitude 0)
// packs as 0. Written without branches and with each code stored as one
// little-endian word, so the loop runs in vector lanes.
static_assert(std::endian::native == std::endian::little, "codes are stored as host words");
SG_CODE_CLONES void PackCodes(const float* samples, std::size_t count, double offset, double half,
                              bool sixteenBit, BYTE* codes) {
  const unsigned shift = sixteenBit ? 0 : 2;
  for (std::size_t i = 0; i < count; ++i) {
    const float d = static_cast<float>(samples[i] - offset);
    double x = d / half * 32767.5;
    x = std::fabs(x) <= std::numeric_limits<double>::max() ? x : 0.0;
    x = x < -32767.0 ? -32767.0 : x;
    x = x > 32767.0 ? 32767.0 : x;
    const int v = static_cast<int>(x);
    // The code one below the truncated quotient, 0 staying 0, as 16 bits.
    const auto word = static_cast<std::uint16_t>(static_cast<std::uint16_t>(v - (v != 0)) >> shift);
    std::memcpy(codes + 2 * i, &word, 2);
  }
}

}  // namespace

CString CInstrumentLink::FormatFrequency(double value, int unit) {
  return Fixed9(Scaled(value, unit, {1e-6, 1e-3, 1, 1e3, 1e6}));
}
CString CInstrumentLink::FormatPeriod(double value, int unit) {
  return Fixed9(Scaled(value, unit, {1e3, 1, 1e-3, 1e-6, 1e-9}));
}
CString CInstrumentLink::FormatAmplitude(double value, int unit) {
  return Fixed9(Scaled(value, unit, {1, 1e-3}));
}
CString CInstrumentLink::FormatOffset(double value, int unit) {
  return Fixed9(Scaled(value, unit, {1, 1e-3}));
}

void CInstrumentLink::BuildWaveParams(CString& out, const CWaveData& wave) {
  out = ",FREQ," + FormatFrequency(wave.freq, wave.frequnit) + ",AMPL," +
        FormatAmplitude(wave.vpp, wave.vppunit) + ",OFST," +
        FormatOffset(wave.offset, wave.offsetunit) + ",PHASE," + Fixed9(wave.phase);
}

CString CInstrumentLink::CheckWaveName(const CString& name) {
  for (int i = 0; i < name.GetLength(); ++i) {
    auto c = static_cast<unsigned char>(name[i]);
    if (c == ',' || c < 0x20 || c == 0x7F) return linkio::MessageText(kMsgBadWaveName, name);
  }
  return CString();
}

CString CInstrumentLink::BuildWaveHeader(const CString& position, const CString& name,
                                         const CWaveData& wave, const CString& tag) {
  CString params, length;
  BuildWaveParams(params, wave);
  length.Format("%d", static_cast<int>(2LL * wave.samplecount / 1024));
  CString header = ChannelPrefix() + "WVDT ";
  header += IsSixteenBitFamily(tag) ? CString("WVNM,") : position + ",WVNM,";
  header += name + ",TYPE,5," + "LENGTH," + length + "KB" + params + "," + "WAVEDATA,";
  return header;
}

namespace {

// The header and the codes of `wave` at `payload`: h + 2n bytes.
void PackPayload(const CString& header, const CWaveData& wave, BYTE* payload, const CString& tag) {
  const int n = wave.samplecount > 0 ? wave.samplecount : 0;
  const std::size_t h = static_cast<std::size_t>(header.GetLength());
  std::memcpy(payload, static_cast<const char*>(header), h);
  const double offset = WorkingOffset(wave);
  const double half = wave.vpp / 2;
  const bool sixteen = IsSixteenBitFamily(tag);
  const int have = std::max(std::min(n, static_cast<int>(wave.thedata.GetSize())), 0);
  const float* samples = wave.thedata.GetData();
  BYTE* codes = payload + h;
  linkio::SplitWork(static_cast<std::size_t>(have), [&](std::size_t begin, std::size_t end) {
    PackCodes(samples + begin, end - begin, offset, half, sixteen, codes + 2 * begin);
  });
  // Past the samples the record holds, the codes are those of 0.
  std::memset(payload + h + 2 * static_cast<std::size_t>(have), 0,
              2 * static_cast<std::size_t>(n - have));
}

std::size_t PayloadBytes(const CString& header, const CWaveData& wave) {
  return static_cast<std::size_t>(header.GetLength()) +
         2 * static_cast<std::size_t>(std::max(wave.samplecount, 0));
}

void NoteTransfer(const CWaveData& wave) {
  const int n = wave.samplecount > 0 ? wave.samplecount : 0;
  g_TransferPoints = n;
  g_TransferBytes = 2 * n;
}

}  // namespace

std::size_t CInstrumentLink::PackWaveFrame(const CString& header, const CWaveData& wave,
                                           std::vector<BYTE>& block, const CString& tag) {
  NoteTransfer(wave);
  const std::size_t payload = PayloadBytes(header, wave);
  block.assign(kUsbHead + payload, 0);
  PackPayload(header, wave, block.data() + kUsbHead, tag);
  BuildUsbDataFrame(block.data(), block.data() + kUsbHead, payload);
  return block.size();
}

// A write the driver took only in part (a time-out part way through) is a
// failure like a refused one: a half-sent waveform is never committed.
BOOL CInstrumentLink::WriteUsbPadded(const BYTE* bytes, std::size_t length) {
  std::size_t padded = length % 64 == 0 ? length : (length / 64 + 1) * 64;
  std::vector<BYTE> buffer(padded, 0);
  std::memcpy(buffer.data(), bytes, length);
  int sent = WriteUSBDevice(kRawUsbWritePipe, buffer.data(), static_cast<DWORD>(padded));
  if (sent == 0) {
    linkio::ShowMessage(linkio::TranslatedText(301));
    return FALSE;
  }
  if (static_cast<std::size_t>(sent) != padded) {
    CString got, all;
    got.Format("%d", sent);
    all.Format("%d", static_cast<int>(padded));
    linkio::ShowMessageById(kMsgPartialUsbWrite, got, all);
    return FALSE;
  }
  return TRUE;
}

BOOL CInstrumentLink::WriteWaveToGenerator(const CString& position, int waveIndex,
                                           const CString& name, const CString& tag) {
  if (waveIndex == -1) return FALSE;
  return WriteWaveRecord(position, g_WaveArray[waveIndex], name, tag);
}

// The commit command goes out only after the data write succeeded; a failed
// write is reported and nothing is committed.
BOOL CInstrumentLink::WriteWaveRecord(const CString& position, const CWaveData& wave,
                                      const CString& name, const CString& tag) {
  bool visa = IsVisaTag(tag), usb = IsRawUsbTag(tag);
  if (!visa && !usb) return FALSE;
  CString refusal = CheckWaveName(name);
  if (!refusal.IsEmpty()) {
    linkio::ShowMessage(refusal);
    return FALSE;
  }
  CString header = BuildWaveHeader(position, name, wave, tag);
  const std::size_t payload = PayloadBytes(header, wave);
  if (kUsbHead + payload > kWaveBlockBuffer) {
    linkio::ShowMessageById(kMsgWaveTooLong);
    return FALSE;
  }
  // The frame is written whole before it goes out, into the buffer the link
  // keeps for its blocks (the size a read-back takes, so one buffer serves
  // both).
  NoteTransfer(wave);
  BYTE* const frame = linkio::KeptBlockBuffer(kWaveBlockBuffer);
  PackPayload(header, wave, frame + kUsbHead, tag);

  if (visa) {  // the block alone, without the raw-USB frame around it
    ViUInt32 written = 0;
    const ViStatus status =
        viWrite(g_VisaInstrument, frame + kUsbHead, static_cast<ViUInt32>(payload), &written);
    g_VisaStatus = status;
    if (status < 0) {
      // What arrived of the block is the start of a message on the
      // instrument, which the next command would be appended to: the clear
      // drops it before anything else is sent.
      viClear(g_VisaInstrument);
      linkio::ShowMessageById(kMsgSendFailed, linkio::CauseText(status));
      return FALSE;
    }
    CString commit =
        ChannelPrefix() +
        (IsSixteenBitFamily(tag) ? "ARWV NAME, " + name : "ARWV INDEX, " + position.Mid(1)) + "\n";
    linkio::Pause(200);
    viPrintf(g_VisaInstrument, "%s", static_cast<const char*>(commit));
    return TRUE;
  }
  BuildUsbDataFrame(frame, frame + kUsbHead, payload);
  const std::size_t length = kUsbHead + payload;
  if (!WriteUsbPadded(frame, length)) return FALSE;
  SendUsbCommand(ChannelPrefix() + "ARWV INDEX, " + position.Mid(1));
  return TRUE;
}

void CInstrumentLink::WriteWaveParams(const CString& position, int waveIndex, const CString& name) {
  if (waveIndex == -1) return;
  CString params;
  BuildWaveParams(params, g_WaveArray[waveIndex]);
  CString command = ChannelPrefix() + "WVPR POS," + position + ",WVNM," + name + params;
  SendUsbCommand(command);
  linkio::ShowMessage("发送参数" + command);
}

void CInstrumentLink::QueryWaveParams(const CString& position) {
  g_LastReadWave.name = position;
  CString command = ChannelPrefix() + "WVPR? " + position;
  SendUsbCommand(command);
  linkio::ShowMessage("发送获取参数命令" + command);
  linkio::Pause(500);
}

void CInstrumentLink::SetWaveParams(const CString&, int waveIndex, const CString&) {
  if (waveIndex != -1) (void)g_WaveArray[waveIndex];
}

void AppendLogText(const std::string& folder, const char* fileName, const CString& text) {
  std::string path = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  if (std::FILE* file = std::fopen((path + fileName).c_str(), "a+")) {
    std::fputs(text, file);
    std::fclose(file);
  }
}

void AppendDataWriteLog(const CString& text) { AppendLogText("/", "datawritelog.txt", text); }
void AppendReadDataLog(const CString& text) { AppendLogText("/", "readdata.txt", text); }

CString CInstrumentLink::BuildArwvIndexCommand(const CString& index, const CString& tag) {
  CString command = ChannelPrefix() + "ARWV INDEX, " + index;
  (void)IsVisaTag(tag);
  return command;
}
