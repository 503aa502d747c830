// The import's sample arithmetic: byte codes to volts, resampling to the
// chosen length, the horizontal divisions, and the capture buffers.
#include "instrument/dialogs/InportFromScopeDlg.h"

#include <algorithm>
#include <cstdint>

std::array<BYTE, kScopeRawBytes> g_ScopeRawBuf;
std::array<float, kScopeSampleCapacity> g_ScopeSamples;
std::array<float, 2 * kImportLong + 1> g_ScopeStretched;
std::array<float, kImportLong> g_ScopeResampled;

namespace {

constexpr int kUsbCodeCentre = 132;

// 25 codes a division around the screen's centre; `level` reads a code as
// its distance from that centre.
template <class Level>
int ConvertCodes(const BYTE* codes, int count, float vdiv, float offset, float& max, float& min,
                 Level level) {
  count = std::clamp(count, 0, static_cast<int>(kScopeSampleCapacity));
  for (int i = 0; i < count; ++i) {
    const float v = static_cast<float>(level(codes[i]) * static_cast<double>(vdiv) / 25.0 -
                                       static_cast<double>(offset));
    g_ScopeSamples[static_cast<std::size_t>(i)] = v;
    if (i == 0 || v > max) max = v;
    if (i == 0 || v < min) min = v;
  }
  return count;
}

// The index of a KRP1 model's "X", seven places after "KRP1" (-1 when absent).
struct ModelMarks {
  int krp1;
  bool xModel;
};
ModelMarks MarksOf(const CString& reply) {
  const int p = reply.Find("KRP1");
  return {p, reply.Find('X') == p + 7};
}

}  // namespace

// The network block's code is a signed byte, the centre at 0.
int CInportFromSCOPE::ConvertCodesVisa(const BYTE* codes, int count, float vdiv, float offset,
                                       float& max, float& min) {
  return ConvertCodes(codes, count, vdiv, offset, max, min,
                      [](BYTE c) { return static_cast<std::int8_t>(c); });
}

// The raw-USB reply's code is an unsigned byte, the centre at 132.
int CInportFromSCOPE::ConvertCodesUsb(const BYTE* codes, int count, float vdiv, float offset,
                                      float& max, float& min) {
  return ConvertCodes(codes, count, vdiv, offset, max, min,
                      [](BYTE c) { return static_cast<int>(c) - kUsbCodeCentre; });
}

void CInportFromSCOPE::ResampleToLength(const float* source, int count, float* destination,
                                        int length) {
  if (count > length)
    PickSamples(source, count, destination, length);
  else if (count < length)
    StretchSamples(source, count, destination, length);
  else
    std::copy(source, source + count, destination);
}

void CInportFromSCOPE::PickSamples(const float* source, int count, float* destination, int length) {
  if (count <= 0 || length <= 0) return;
  for (std::int64_t k = 0; k < length; ++k) destination[k] = source[k * count / length];
}

int CInportFromSCOPE::InterpolateSamples(const float* source, int count, float* destination,
                                         int length) {
  if (count <= 0) return 0;
  count = std::min(count, length);  // more is never stretched; the sequence stays in bounds
  const int m = static_cast<int>(static_cast<double>(length) / count + 0.95);
  int n = 0;
  destination[n++] = source[0];
  for (int i = 0; i + 1 < count; ++i) {
    const float a = source[i], b = source[i + 1];
    for (int j = 1; j <= m; ++j)
      destination[n++] = static_cast<float>((b - a) / static_cast<double>(m + 1) * j + a);
  }
  for (const float last = destination[n - 1]; n < length;) destination[n++] = last;
  return n;
}

void CInportFromSCOPE::StretchSamples(const float* source, int count, float* destination,
                                      int length) {
  const int stretched = InterpolateSamples(source, count, g_ScopeStretched.data(), length);
  PickSamples(g_ScopeStretched.data(), stretched, destination, length);
}

int CInportFromSCOPE::Divisions(const CString& first, const CString& second) {
  const ModelMarks a = MarksOf(first), b = MarksOf(second);
  const bool krp1 = a.krp1 > 0 || b.krp1 > 0;  // a reply that begins with KRP1 does not count
  return krp1 && !a.xModel && !b.xModel ? 18 : 14;
}
