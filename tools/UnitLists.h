#pragma once
// The unit lists the tool dialogs offer. A list index is the unit index a
// record stores; frequency index i and period index i pair so that a
// frequency of 1 is a period of 1000 (1 kHz and 1000 us).

inline constexpr const char* kFrequencyUnits[] = {"uHz", "mHz", "Hz", "KHz", "MHz"};
inline constexpr const char* kPeriodUnits[] = {"KS", "S", "mS", "uS", "nS"};
inline constexpr const char* kAmplitudeUnits[] = {"Vpp", "mVpp"};
inline constexpr int kUnitCount = 5;

// A frequency in hertz from a value and its unit index (IntPow rules);
// other indices give 0.
double FrequencyInHertz(double value, int unit);
// A period in seconds from a value and its unit index.
double PeriodInSeconds(double value, int unit);
// 1000 / value, and 0 for a value within 1e-15 of 0: the paired quantity.
double Reciprocal1000(double value);
