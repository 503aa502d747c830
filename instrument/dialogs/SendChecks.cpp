#include "instrument/dialogs/SendChecks.h"

#include "instrument/InstrumentLink.h"
#include "instrument/LinkServices.h"
#include "instrument/dialogs/DialogMessages.h"
#include "waveform/NumberHelpers.h"
#include "waveform/WaveData.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMsgCountRefused = 352;
constexpr int kMsgShortMemory = 343;
constexpr int kMsgLongSlot = 335;
constexpr int kShortCount = 16384;
constexpr int kLongCount = 524288;

Refusal Message(int id, const CString& first = CString(), const CString& second = CString()) {
  return {id, linkio::MessageText(id, first, second)};
}

// The KRV5000's bandwidth tokens, the first found naming the limit.
struct BandwidthLimit {
  const char* token;
  int megahertz;
};
constexpr BandwidthLimit kBandwidths[] = {{"160", 40}, {"120", 30}, {"110", 30}, {"80", 20}};
constexpr int kLowestBandwidthLimit = 20;

CString Decimal(int value) {
  CString text;
  text.Format("%d", value);
  return text;
}

}  // namespace

std::optional<Refusal> CheckSampleCount(const SendFamily& family, int count,
                                        std::size_t frameBytes) {
  bool taken = frameBytes <= kWaveBlockBuffer && count >= 2;
  switch (family.counts) {
    case SendCounts::Any: break;
    case SendCounts::UpTo8M: taken = taken && count <= kMaxSampleCount; break;
    case SendCounts::Only16K: taken = taken && count == kShortCount; break;
    case SendCounts::ShortMemory:
    case SendCounts::LongSlots: taken = taken && (count == kShortCount || count == kLongCount);
  }
  if (taken) return std::nullopt;
  return Message(kMsgCountRefused);
}

std::optional<Refusal> CheckFrequency(const SendFamily& family, double hertz,
                                      const CString& bandwidth) {
  if (family.maxHz == kNoLimit) return std::nullopt;
  if (family.maxHz > 0) {
    if (hertz > family.maxHz) return Message(family.frequencyMessage);
    return std::nullopt;
  }
  for (const BandwidthLimit& b : kBandwidths) {
    if (bandwidth.Find(b.token) < 0) continue;
    if (hertz > b.megahertz * 1e6)
      return Message(family.frequencyMessage, Decimal(b.megahertz), b.token);
    return std::nullopt;
  }
  // A bandwidth nobody could read: the smallest model's limit holds.
  if (hertz > kLowestBandwidthLimit * 1e6)
    return Message(kMsgBandwidthUnknown, Decimal(kLowestBandwidthLimit));
  return std::nullopt;
}

std::optional<Refusal> CheckLongWave(const SendFamily& family, int count, int slot) {
  if (count <= kShortCount) return std::nullopt;
  if (family.counts == SendCounts::ShortMemory) return Message(kMsgShortMemory);
  if (family.counts == SendCounts::LongSlots && slot < family.longSlotFirst)
    return Message(kMsgLongSlot, family.longSlotNames);
  return std::nullopt;
}

SendPeak PeakOfSamples(const CWaveData& wave) {
  const int a = wave.vppunit == 1 ? 1 : 0;
  double o = wave.offset;
  if (a == 0 && wave.offsetunit == 1) o = wave.offset / 1000;
  if (a == 1 && wave.offsetunit == 0) o = wave.offset * 1000;
  const int n = std::min(std::max(wave.samplecount, 0), static_cast<int>(wave.thedata.GetSize()));
  if (n == 0) return {};
  const float* s = wave.thedata.GetData();
  double hi = s[0] - o, lo = hi;
  for (int i = 1; i < n; ++i) {
    const double d = s[i] - o;
    hi = std::max(hi, d);
    lo = std::min(lo, d);
  }
  if (hi == lo) {
    const double dc = LowestAmplitudeIn(a);
    return {dc, std::max(dc / 2, std::fabs(static_cast<double>(s[0]))), s[0]};
  }
  return {2 * std::max(std::fabs(hi), std::fabs(lo)),
          std::max(std::fabs(hi + o), std::fabs(lo + o))};
}

std::optional<Refusal> CheckPeak(const SendFamily& family, int channel, double peak, int vppunit) {
  const PeakRange& range = channel == 1 ? family.ch2 : family.ch1;
  if (!range.Checked()) return std::nullopt;
  const double k = vppunit == 1 ? 1000 : 1;
  if (peak >= range.low * k && peak <= range.high * k) return std::nullopt;
  Refusal refusal = Message(range.message);
  if (range.from) {
    refusal.text.Replace(range.from, range.to);
    refusal.text.Replace("300", "1000");
  }
  return refusal;
}

double FrequencyHz(const CWaveData& wave) {
  return wave.freq * IntPow(10.0, 3 * wave.frequnit - 6);
}
