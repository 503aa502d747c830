#include "instrument/dialogs/SendModels.h"

#include <iterator>

namespace {

constexpr PeakRange kNoPeak{};
// KRV1000: the CH1 text reads "3", the CH2 text "10"; each is turned into the other's.
constexpr PeakRange kKrv1000Ch1{0.002, 10, 325, "3", "10"};
constexpr PeakRange kKrv1000Ch2{0.002, 3, 326, "10", "3"};
constexpr PeakRange kKrv5000Peak{0.001, 10, 337};
constexpr PeakRange kThreeVoltPeak{0.002, 3, 347};

// Substring tests in this order: "KRV1000X" before "KRV1000", "KRP1000X-E"
// before "1000X", the long KRV5000 before the short one.
// clang-format off
constexpr SendFamily kFamilies[] = {
  // token         ver slots base        list   counts                    long slots            max Hz        msg  CH1             CH2             single
  {"KRV2000",      0,  0,  kLocalPath, false, SendCounts::UpTo8M,      0,  nullptr,       kNoLimit,     0,   kNoPeak,        kNoPeak,        false},
  {"KRV1000X",     0,  0,  kLocalPath, false, SendCounts::UpTo8M,      0,  nullptr,       kNoLimit,     0,   kKrv1000Ch1,    kNoPeak,        false},
  {"KRV6000X",     0,  0,  kLocalPath, false, SendCounts::Any,         0,  nullptr,       kNoLimit,     0,   kNoPeak,        kNoPeak,        false},
  {"KRP1000X-E",   0,  0,  6,          false, SendCounts::Only16K,     0,  nullptr,       25e6,         346, kThreeVoltPeak, kThreeVoltPeak, true},
  {"KRV1000",      0,  10, 50,         true,  SendCounts::ShortMemory, 0,  nullptr,       5e6,          324, kKrv1000Ch1,    kKrv1000Ch2,    false},
  {"KRV800",       0,  10, 50,         true,  SendCounts::ShortMemory, 0,  nullptr,       5e6,          345, kNoPeak,        kNoPeak,        true},
  {"KRV5000",      35, 32, 36,         true,  SendCounts::LongSlots,   24, "ARB25~ARB32", kByBandwidth, 336, kKrv5000Peak,   kKrv5000Peak,   false},
  {"KRV5000",      0,  4,  1,          true,  SendCounts::LongSlots,   3,  "ARB4",        kByBandwidth, 336, kKrv5000Peak,   kKrv5000Peak,   false},
  {"KRP2",         0,  4,  6,          true,  SendCounts::ShortMemory, 0,  nullptr,       25e6,         346, kThreeVoltPeak, kThreeVoltPeak, true},
  {"1000X",        0,  4,  6,          true,  SendCounts::ShortMemory, 0,  nullptr,       25e6,         346, kThreeVoltPeak, kThreeVoltPeak, true},
};
// clang-format on

}  // namespace

const SendFamily* FindSendFamily(const CString& tag, int versionNumber) {
  for (const SendFamily& family : kFamilies)
    if (tag.Find(family.token) >= 0 && versionNumber >= family.minVersion) return &family;
  return nullptr;
}

int VersionNumber(const CString& version) {
  CString last = version.Right(2);
  last.TrimLeft(' ');
  int value = 0;
  for (int i = 0; i < last.GetLength() && last[i] >= '0' && last[i] <= '9'; ++i)
    value = value * 10 + (last[i] - '0');
  return value;
}

int SlotCount(const SendFamily& family) { return family.arbSlots ? family.arbSlots : 1; }

CString SlotName(const SendFamily& family, int slot) {
  if (family.arbSlots == 0) return "/Local";
  CString name;
  name.Format("ARB%d", slot + 1);
  return name;
}

CString SlotPosition(const SendFamily& family, int slot) {
  if (slot < 0 || slot >= SlotCount(family)) return CString();
  if (family.positionBase == kLocalPath) return kLocalStoragePath;
  CString position;
  position.Format("M%d", family.positionBase + slot);
  return position;
}
