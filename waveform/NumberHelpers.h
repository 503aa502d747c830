#pragma once
// Text to number and number to text as every reader, dialog, writer and the
// instrument link needs them, and the waveform-name check. None reports an
// error: malformed text gives the number the rules produce (most often 0).
// Numbers are read and written with the platform runtime's rules
// (platform/win/CrtFormat.h), never the C library's locale: the program
// reads and writes "1.5" under any locale.

#include "platform/afx/String.h"

// Every blank (0x20, wherever it stands; tabs stay) removed, upper-cased,
// then the leading number (sign, digits, point, exponent E) read; no number
// gives 0.0. '1 000' 1000, '12,5' 12, '0X10' 0.
double StrToDouble(CString text);

// Blanks removed and upper-cased; negative when the first character left is
// "-"; every "+" and "-" removed; then hexadecimal (HexStrToInt of the whole
// text) after a "0X" prefix, else the leading decimal digits (none gives 0;
// beyond int's range the nearest end of it). '+-7' 7, '-0X10' -16.
int StrToInt(CString text);

// Hexadecimal digits read from the last character: the i-th from the end
// weighs 16^i in 32-bit arithmetic (0 from the ninth on), A-F/a-f are 10-15,
// every other character 0 though it takes its place; the sum wraps in 32 bits.
int HexStrToInt(CString text);

// "%+d" when flag is non-zero (a sign always, '+0' for zero), else "%d".
CString IntToStr(int value, int flag);
CString IntToStr2(int value, int flag);

// "%0.9f": nine decimals, no exponent, trailing zeros kept.
CString DoubleToStr(double value);

// x multiplied n times (divided |n| times for n < 0), starting from 1.0, each
// step rounded to double; IEEE results (0 with n < 0 gives +infinity).
double IntPow(double x, int n);

// Whether an open waveform has this name: blanks (0x20) at both ends of name
// are ignored, the records' names are compared as stored, exactly.
bool IsWaveNameUsed(CString name);
