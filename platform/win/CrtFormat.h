#pragma once
// printf and scanf with the rules of the platform's C runtime, which stored
// files and instrument texts depend on:
//  - "l" on an integer conversion means 32 bits (LONG, DWORD), "I64" and
//    "ll" mean 64 bits, "I32" 32 bits, "I" pointer size;
//  - %e, %E, %g and %G write an exponent of at least three digits
//    (1.000000e+002);
//  - infinities and NaNs are written in the runtime's digit form ("1.#INF00",
//    "-1.#IND00", "1.#QNAN0"), rounded like ordinary digits ("%.2f" gives
//    "1.#J");
//  - at most 17 significant digits are converted; further digits are zeros;
//  - rounding works on those decimal digits, a 5 rounding away from zero
//    ("%.3f" of 0.0625 gives 0.063);
//  - %s is a narrow (UTF-8) string, %S, %ls and %ws a wide (UTF-16) one;
//    %c a narrow character, %C and %lc a wide one;
//  - floating arguments are always double (the runtime's long double is
//    double), %p prints the pointer as upper-case hex of full width, and
//    %n writes nothing.

#include <cstdarg>
#include <cstdio>
#include <string>

// Appends the formatted text to out.
void CrtAppendFormatV(std::string& out, const char* format, va_list args);
void CrtAppendFormat(std::string& out, const char* format, ...);
std::string CrtFormatV(const char* format, va_list args);
std::string CrtFormat(const char* format, ...);

// One floating-point conversion (conversion is one of e E f F g G), as the
// runtime writes it; flags is any of "-+ #0". precision < 0 means the default.
std::string CrtFormatDouble(double value, char conversion, int precision = -1,
                            const char* flags = "", int width = 0);

// Scanning with the same rules: platform/afx/CrtScan.h.
#include "platform/afx/CrtScan.h"
