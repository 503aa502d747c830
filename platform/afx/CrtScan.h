#pragma once
// scanf and atof with the rules of the platform's C runtime (the printf side
// is platform/win/CrtFormat.h):
//  - "l" on an integer conversion means 32 bits (LONG, DWORD), "I64" and
//    "ll" 64 bits, "I32" 32 bits, "I" pointer size; "L" on a floating
//    conversion means double;
//  - a floating number is an optional sign, digits with an optional point
//    and an optional exponent: hexadecimal numbers and the words inf and nan
//    are not numbers ("0x10" reads as 0, stopping at the x);
//  - wide conversions (%S, %lc, %ls) read narrow text.

#include <cstdarg>
#include <cstdio>
#include <string>

// The directive rewritten for this C library (l on integers dropped, I64 ->
// ll, L on floats -> l, wide -> narrow).
std::string CrtScanFormat(const char* format);

int CrtVsscanf(const char* text, const char* format, va_list args);
int CrtSscanf(const char* text, const char* format, ...);
int CrtVfscanf(std::FILE* stream, const char* format, va_list args);
int CrtFscanf(std::FILE* stream, const char* format, ...);

// The runtime's strtod and atof: leading white space, then the number form
// above; *end (when given) is the first character not used (text itself when
// there is no number, and the value is then 0).
double CrtStrtod(const char* text, char** end);
double CrtAtof(const char* text);
