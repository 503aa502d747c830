#pragma once
// The ten element types of the numeric containers and what each one is called
// in VARIANTs and in archives. The library's 32-bit "long" is LONG, which on
// this platform is the same C++ type as int: the long and int rows share one
// class, and the long row's run-time class name stays readable as an alias so
// that archives written under that name still load.

#include "platform/win/WinTypes.h"

#include <type_traits>

namespace SG {

// X(T, stem, primary): the run-time class names are "CSg" stem "ScalarVector"
// and "CSg" stem "ScalarMatrix"; primary is 0 for the rows whose C++ type an
// earlier row already names. These names persist in stored archives.
#define SG_SCALAR_ELEMENT_TABLE(X) \
  X(char, Int8, 1)                 \
  X(unsigned char, UInt8, 1)       \
  X(short, Int16, 1)               \
  X(unsigned short, UInt16, 1)     \
  X(LONG, Int32, 0)                \
  X(ULONG, UInt32, 0)              \
  X(int, Int, 1)                   \
  X(unsigned int, UInt, 1)         \
  X(float, Real32, 1)              \
  X(double, Real64, 1)

template <class T>
inline constexpr bool IsSgScalar =
    std::is_same_v<T, char> || std::is_same_v<T, unsigned char> || std::is_same_v<T, short> ||
    std::is_same_v<T, unsigned short> || std::is_same_v<T, LONG> || std::is_same_v<T, ULONG> ||
    std::is_same_v<T, int> || std::is_same_v<T, unsigned int> || std::is_same_v<T, float> ||
    std::is_same_v<T, double>;

// The VARTYPE a container of T writes into VARIANTs.
template <class T>
constexpr VARTYPE ScalarVarType() {
  static_assert(IsSgScalar<T>);
  if constexpr (std::is_same_v<T, float>) return 4;        // VT_R4
  else if constexpr (std::is_same_v<T, double>) return 5;  // VT_R8
  else if constexpr (sizeof(T) == 1) return std::is_signed_v<T> ? 16 : 17;  // VT_I1, VT_UI1
  else if constexpr (sizeof(T) == 2) return std::is_signed_v<T> ? 2 : 18;   // VT_I2, VT_UI2
  else return std::is_signed_v<T> ? 3 : 19;                                 // VT_I4, VT_UI4
}

}  // namespace SG
