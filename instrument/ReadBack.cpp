// Reading a stored waveform back from a generator: the parameter request and
// its parse, the data request, the point count by family and the unpacking
// of the codes into volts. Also the stored-waveform list parser and lookup.
#include "instrument/InstrumentLink.h"

#include "instrument/BlockBuffer.h"
#include "instrument/CodeLanes.h"
#include "instrument/LinkMessages.h"
#include "instrument/LinkServices.h"
#include "instrument/SplitWork.h"
#include "platform/afx/CrtScan.h"
#include "platform/visa/Visa.h"
#include "waveform/WaveCollections.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kParamReply = 512;
constexpr std::size_t kHeaderText = 256;
constexpr int kDataCommas = 9;
constexpr std::size_t kTestStepSamples = 1048576 + 10000;

using Pairs = std::array<StoredWaveEntry, kStoredWaveRows>;

// Tokens at commas, alternating position and name; the last token always
// lands in a name.
void FillPairs(const CString& text, Pairs& rows) {
  rows = {};
  CString s = text;
  if (s.IsEmpty() || s.Find(',') < 0 || s[0] == ',') return;
  std::size_t k = 0;
  bool position = true;
  while (!s.IsEmpty() && k < rows.size()) {
    int c = s.Find(',');
    if (c < 1) {
      rows[k].name = s;
      return;
    }
    CString token = s.Left(c);
    if (position) {
      rows[k].position = token;
    } else {
      rows[k].name = token;
      ++k;
    }
    position = !position;
    s = s.Mid(c + 1);
  }
}

double ParamNumber(const CString& value) {
  return CrtStrtod(CInstrumentLink::NormaliseParamValue(value), nullptr);
}

void ApplyField(LastReadWave& w, const CString& key, const CString& value) {
  if (key == "FREQ") {
    double f = ParamNumber(value);
    w.frequency = f;
    w.frequencyUnit = 2;
    if (f > -1e-15 && f < 1e-15) {
      w.period = 0;
      w.periodUnit = 1;
    } else {
      w.period = 1000 / f;
      w.periodUnit = 2;
    }
  } else if (key == "PRED") {
    w.period = ParamNumber(value);
    w.periodUnit = 1;
  } else if (key == "AMPL") {
    w.amplitude = ParamNumber(value);
    w.amplitudeUnit = 0;
  } else if (key == "OFST") {
    w.offset = ParamNumber(value);
    w.offsetUnit = 0;
  } else if (key == "PHASE") {
    w.phase = ParamNumber(value);
  }
}

// The parameter reply's pairs go into a list of their own: the stored-wave
// list the dialogs filled stays as it was.
void ApplyParams(LastReadWave& w, const CString& reply) {
  Pairs rows;
  FillPairs(reply, rows);
  for (const auto& row : rows) {
    CString key = row.position, value = row.name;
    key.Trim(' ');
    value.Trim(' ');
    ApplyField(w, key, value);
  }
}

// The LENGTH field's text: after the comma that follows "LENGTH", up to the
// next comma.
CString LengthText(const CString& header) {
  int from = std::max(header.Find("LENGTH"), 0);
  int c1 = header.Find(',', from);
  if (c1 < 0) return CString();
  int c2 = header.Find(',', c1 + 1);
  return c2 < 0 ? CString() : header.Mid(c1 + 1, c2 - c1 - 1);
}

// The point count of a read-back, or -1 where the family keeps the last one.
long PointsFromReply(const CString& tag, const CString& header) {
  if (tag.Find("KRV1000") >= 0 && tag.Find('X') < 0) return 16384;
  if (tag.Find("KRP1000X") >= 0 && tag.Find("X-E") < 0) return 16384;
  if (tag.Find("KRV800") >= 0 || tag.Find("KRP2") >= 0) return 16384;
  if (tag.Find("KRV5000") >= 0) {
    CString l = LengthText(header);
    l.Trim(' ');
    if (l.Find("32KB") >= 0) return 16384;
    if (l.Find("1024KB") >= 0) return 524288;
    return -1;
  }
  if (IsSixteenBitFamily(tag)) {
    CString l = LengthText(header);
    l.TrimLeft(' ');
    l.TrimRight("B ");
    return std::strtol(l, nullptr, 10) / 2;
  }
  return -1;
}

// The bytes of samples the LENGTH field announces: exactly "<n>B", or
// "<k>KB" in whole KiB rounded down; nothing when it says neither.
struct Announced {
  std::size_t low = 0, high = 0;
  CString text;  // the field as the instrument wrote it
};
std::optional<Announced> AnnouncedBytes(const CString& header) {
  CString l = LengthText(header);
  l.Trim(' ');
  const bool kib = l.Right(2) == "KB";
  if (!kib && l.Right(1) != "B") return std::nullopt;
  CString digits = l.Left(l.GetLength() - (kib ? 2 : 1));
  if (digits.IsEmpty() || digits.SpanIncluding("0123456789") != digits || digits.GetLength() > 9)
    return std::nullopt;
  const std::size_t n = std::strtoul(digits, nullptr, 10);
  if (kib) return Announced{n * 1024, n * 1024 + 1023, l};
  return Announced{n, n, l};
}

CString Decimal(std::size_t n) {
  CString text;
  text.Format("%d", static_cast<int>(n));
  return text;
}

// Volts of count codes (two bytes each, little-endian): the 14-bit families'
// codes are shifted up to 16 bits first. Without branches in the loop, so
// it runs in vector lanes; the scaling and the offset are two statements so
// that no build fuses them into one rounding.
SG_CODE_CLONES void CodesToVolts(const BYTE* codes, std::size_t count, double half, double offset,
                                 bool sixteen, float* out) {
  const int shift = sixteen ? 0 : 2;
  for (std::size_t i = 0; i < count; ++i) {
    const auto code = static_cast<WORD>((codes[2 * i] | codes[2 * i + 1] << 8) << shift);
    const double scaled = static_cast<SHORT>(code) * half / 32768;
    out[i] = static_cast<float>(scaled + offset);
  }
}

// A copy of everything but the samples (which are lent out meanwhile and
// put back however the copy ends).
LastReadWave WithoutSamples(LastReadWave& w) {
  struct Lent {
    LastReadWave& owner;
    SG::CSgScalarVector<float> samples;
    ~Lent() { owner.samples = std::move(samples); }
  } lent{w, std::move(w.samples)};
  return w;
}

bool Fail(int id, const CString& first = CString(), const CString& second = CString()) {
  linkio::ShowMessageById(id, first, second);
  return false;
}

// A VISA request or read that failed: the cause is said, never "no data".
bool FailVisa(ViStatus status) { return Fail(kMsgReadFailed, linkio::CauseText(status)); }

}  // namespace

void CInstrumentLink::ParsePositionList(const CString& text) { FillPairs(text, g_StoredWaves); }

void CInstrumentLink::ParseWaveParams(const CString& reply) { ApplyParams(g_LastReadWave, reply); }

void CInstrumentLink::ParseFreqField(const CString& value) {
  ApplyField(g_LastReadWave, "FREQ", value);
}
void CInstrumentLink::ParsePredField(const CString& value) {
  ApplyField(g_LastReadWave, "PRED", value);
}
void CInstrumentLink::ParseAmplField(const CString& value) {
  ApplyField(g_LastReadWave, "AMPL", value);
}
void CInstrumentLink::ParseOfstField(const CString& value) {
  ApplyField(g_LastReadWave, "OFST", value);
}
void CInstrumentLink::ParsePhaseField(const CString& value) {
  ApplyField(g_LastReadWave, "PHASE", value);
}

CString CInstrumentLink::FindStoredPosition(const CString& name) {
  for (const auto& row : g_StoredWaves)
    if (row.name == name) return row.position;
  return CString();
}

std::size_t CInstrumentLink::FindWaveDataStart(const BYTE* bytes, std::size_t count) {
  int commas = 0;
  for (std::size_t i = 0; i < count; ++i)
    if (bytes[i] == ',' && ++commas == kDataCommas) return i + 1;
  return 0;
}

bool CInstrumentLink::ReadWaveFromGenerator(const CString& listedName, const CString& tag) {
  bool visa = IsVisaTag(tag), usb = IsRawUsbTag(tag);
  if (!visa && !usb) return false;
  CString w = listedName;
  bool user = false;
  if (int colon = w.Find(':'); colon >= 0) {
    w = w.Mid(colon + 1);
    user = true;
  }
  CString p = FindStoredPosition(w);
  // Committed only when the read succeeds; the samples it replaces are not
  // copied on the way.
  LastReadWave next = WithoutSamples(g_LastReadWave);
  next.name = w;

  auto writeRequest = [&](const CString& request) {
    ViUInt32 written = 0;
    g_VisaStatus =
        viWrite(g_VisaInstrument, reinterpret_cast<ViConstBuf>(static_cast<const char*>(request)),
                static_cast<ViUInt32>(request.GetLength()), &written);
    return g_VisaStatus >= 0;
  };

  CString reply;
  if (usb) {
    SendUsbCommand("WVPR? " + p);
    linkio::Pause(500);
    WaitUsbReply("", reply);
  } else {
    if (!writeRequest(user ? CString("WVPR? M0") : "WVPR? " + p)) return FailVisa(g_VisaStatus);
    linkio::Pause(500);
    char buffer[kParamReply] = {};
    ViUInt32 size = kParamReply;
    const ViStatus status = viScanf(g_VisaInstrument, "%#t", &size, buffer);
    if (status < 0 && status != VI_ERROR_TMO) return FailVisa(status);
    if (status >= 0) reply = buffer;
  }
  if (reply.IsEmpty()) return Fail(kMsgNoParamReply);
  ApplyParams(next, reply);

  if (usb) {
    SendUsbCommand("WVDT? " + p);
  } else {
    CString name = w;
    if (int colon = name.Find(':'); colon >= 0) name = name.Mid(colon + 1);
    if (!writeRequest(user ? "WVDT? USER," + name : "WVDT? " + p)) return FailVisa(g_VisaStatus);
  }
  linkio::Pause(500);

  // The reply goes into the buffer the link keeps for its blocks; only the
  // bytes that arrived are looked at.
  BYTE* const buffer = linkio::KeptBlockBuffer(kWaveBlockBuffer);
  std::size_t length = 0;
  if (usb) {
    length = ReadUsbBulk(buffer, kWaveBlockBuffer);
  } else {
    ViUInt32 got = 0;
    g_VisaStatus = viRead(g_VisaInstrument, buffer, static_cast<ViUInt32>(kWaveBlockBuffer), &got);
    if (g_VisaStatus < 0) return FailVisa(g_VisaStatus);
    length = got;
  }
  std::size_t headerEnd = 0;
  while (headerEnd < std::min(length, kHeaderText) && buffer[headerEnd]) ++headerEnd;
  CString header(reinterpret_cast<const char*>(buffer), static_cast<int>(headerEnd));

  std::size_t start = FindWaveDataStart(buffer, length);
  if (start == 0) return Fail(kMsgNoWaveData);
  if (visa && g_VisaStatus == VI_SUCCESS_MAX_CNT) {  // more than the buffer holds is still there
    viClear(g_VisaInstrument);
    return Fail(kMsgReplyTooLong);
  }
  // The samples are two bytes each; one line feed after them ends a reply.
  std::size_t arrived = length - start;
  if (arrived % 2 == 1 && buffer[length - 1] == '\n') --arrived;
  auto announced = AnnouncedBytes(header);
  if (announced && (arrived < announced->low || arrived > announced->high))
    return Fail(kMsgLengthMismatch, Decimal(arrived), announced->text);

  long fromReply = PointsFromReply(tag, usb ? CString() : header);
  long n = fromReply >= 0 ? fromReply : g_TransferPoints;
  // A waveform holds at least two samples everywhere else in the program.
  if (n < 2) return Fail(kMsgTooFewSamples);
  if (arrived != 2 * static_cast<std::size_t>(n))
    return Fail(kMsgLengthMismatch, Decimal(arrived), Decimal(2 * static_cast<std::size_t>(n)));

  const double half = next.amplitude / 2;
  const bool sixteen = IsSixteenBitFamily(tag);
  // Nothing can fail from here on: samples of the same count are written
  // over where they are instead of into fresh pages.
  if (g_LastReadWave.samples.GetSize() == static_cast<unsigned>(n))
    next.samples = std::move(g_LastReadWave.samples);
  next.samples.SetSize(static_cast<unsigned>(n), TRUE);
  const BYTE* codes = buffer + start;
  float* volts = next.samples.GetData();
  linkio::SplitWork(static_cast<std::size_t>(n), [&](std::size_t begin, std::size_t end) {
    CodesToVolts(codes + 2 * begin, end - begin, half, next.offset, sixteen, volts + begin);
  });

  g_LastReadWave = std::move(next);
  if (fromReply >= 0) {
    g_TransferPoints = static_cast<LONG>(n);
    g_nPointCount = static_cast<int>(n);
  }
  return true;
}

void CInstrumentLink::ReadWaveParams(const CString& position) {
  g_LastReadWave.name = position;
  CString reply;
  WaitUsbReply("", reply);
  linkio::ShowMessage("收到的参数" + reply);
  ParseWaveParams(reply);
}

// The test step's count comes from the bytes that arrived, never from the
// last send, and stays within the step's sample arrays.
bool CInstrumentLink::ReadWaveDataRaw(const CString& position) {
  SendUsbCommand("WVDT? " + position);
  linkio::Pause(500);
  const linkio::BlockBuffer buffer = linkio::NewBlockBuffer(kWaveBlockBuffer);
  std::size_t length = ReadUsbBulk(buffer.get(), kWaveBlockBuffer);
  std::size_t start = FindWaveDataStart(buffer.get(), length);
  if (start == 0) return Fail(kMsgNoWaveData);
  std::size_t n = std::min((length - start) / 2, kTestStepSamples);
  if (n < 2) return Fail(kMsgTooFewSamples);
  const double half = g_LastReadWave.amplitude / 2;
  g_LastReadWave.samples.SetSize(static_cast<unsigned>(n), TRUE);
  CodesToVolts(buffer.get() + start, n, half, g_LastReadWave.offset, false,
               g_LastReadWave.samples.GetData());
  return true;
}
