#pragma once
// The model table of the send path: for each generator family, told apart by
// its link tag (and for the KRV5000 by its version number), the storage
// slots and where each is stored, whether the instrument's list is read, the
// sample counts, frequencies and peak values it takes, and whether it has a
// second output. Every instrument-dependent decision of the send dialog is a
// look-up here.

#include "platform/afx/String.h"

// What sample counts a family takes.
enum class SendCounts {
  Any,          // whatever fits the transfer buffer
  UpTo8M,       // up to 8,388,608
  Only16K,      // exactly 16,384
  ShortMemory,  // 16,384 or 524,288 by the count test, then 16,384 only (message 343)
  LongSlots,    // 16,384, or 524,288 in the long slots only (message 335)
};

// A range a peak value must lie in, in volts (millivolts for a waveform in
// mVpp), with its message; `from` and `to` are replaced in the message text.
struct PeakRange {
  double low = 0, high = 0;  // both 0: no check
  int message = 0;
  const char* from = nullptr;
  const char* to = nullptr;
  bool Checked() const { return high > 0; }
};

constexpr double kNoLimit = 0;
constexpr double kByBandwidth = -1;

struct SendFamily {
  const char* token;  // the link tag holds it (families are tried in table order)
  int minVersion;     // the row applies from this version number on
  int arbSlots;       // ARB1 to ARBn; 0: the one slot "/Local"
  int positionBase;   // slot i is stored at "M<base + i>"; kLocalPath: at the fixed path
  bool readsList;     // the stored-waveform list is read when the dialog opens
  SendCounts counts;
  int longSlotFirst;  // LongSlots: the first slot index that takes 524,288
  const char* longSlotNames;
  double maxHz;  // kNoLimit, kByBandwidth, or the highest frequency
  int frequencyMessage;
  PeakRange ch1, ch2;  // CH2 only where the family has a second output
  bool singleChannel;  // CH1 and CH2 are hidden and every send goes to CH1
};

constexpr int kLocalPath = -1;
// Where the 16-bit families that keep waveforms by name store them.
constexpr const char* kLocalStoragePath = "/usr/bin/tavrick/usr/usr/";
constexpr int kMaxSampleCount = 8388608;

// The family row of a link tag and version number; null for an instrument
// of no known family (nothing can be sent to it).
const SendFamily* FindSendFamily(const CString& tag, int versionNumber);

// The decimal number read from the last two characters of a version text
// (leading blanks skipped, stopping at the first non-digit; 0 when no digit
// comes first).
int VersionNumber(const CString& version);

// The slot list's entries: "/Local", or "ARB1" to "ARBn".
CString SlotName(const SendFamily& family, int slot);
int SlotCount(const SendFamily& family);

// The storage position of a slot; empty for a slot outside the family's range.
CString SlotPosition(const SendFamily& family, int slot);
