#pragma once
// Internal to the text stream and the file class: the typed printf and scanf
// calls behind insertion and extraction, with the platform's C runtime rules
// (32-bit "%ld", "%I64d", three-digit exponents).

#include "containers/SgInteger32.h"
#include "platform/win/WinTypes.h"

#include <string>
#include <type_traits>

namespace SG {

// X(index, type, format): one row per scalar type of the format table.
#define SG_SCALAR_FORMAT_TABLE(X) \
  X(0, char, "%c")                \
  X(1, unsigned char, "%c")       \
  X(2, int, "%d")                 \
  X(3, unsigned int, "%u")        \
  X(4, short, "%hd")              \
  X(5, unsigned short, "%hu")     \
  X(6, LONG, "%ld")               \
  X(7, ULONG, "%lu")              \
  X(8, LONGLONG, "%I64d")         \
  X(9, ULONGLONG, "%I64u")        \
  X(10, float, "%g")              \
  X(11, double, "%lg")

// The table row of each C++ type. LONG is int here and takes int's row; the
// containers' Long32 and ULong32 take the long rows. The rows print and scan
// every 32-bit value alike.
template <class T>
inline constexpr int ScalarFormatIndex = std::is_same_v<T, char>             ? 0
                                         : std::is_same_v<T, unsigned char>  ? 1
                                         : std::is_same_v<T, int>            ? 2
                                         : std::is_same_v<T, unsigned int>   ? 3
                                         : std::is_same_v<T, short>          ? 4
                                         : std::is_same_v<T, unsigned short> ? 5
                                         : std::is_same_v<T, Long32>         ? 6
                                         : std::is_same_v<T, ULong32>        ? 7
                                         : std::is_same_v<T, LONGLONG>       ? 8
                                         : std::is_same_v<T, ULONGLONG>      ? 9
                                         : std::is_same_v<T, float>          ? 10
                                                                             : 11;

// The value printed with its type's format; char types as the character.
template <class T>
std::string FormatScalar(T value);

// Scans one value with the type's format followed by "%n"; true when a value
// was taken, with *consumed the characters used (leading space included).
template <class T>
bool ScanScalar(const char* text, T* value, int* consumed);

}  // namespace SG
