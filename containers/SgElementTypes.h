#pragma once
// The ten element types of the numeric containers and what each one is called
// in VARIANTs and in archives. The library's 32-bit "long" rows hold Long32
// and ULong32, distinct from int and unsigned int though alike in width and
// VARTYPE, so that each row is its own class.

#include "containers/SgInteger32.h"
#include "platform/win/WinTypes.h"

#include <type_traits>

namespace SG {

// X(T, stem): the run-time class names are "CSg" stem "ScalarVector" and
// "CSg" stem "ScalarMatrix". These names persist in stored archives.
#define SG_SCALAR_ELEMENT_TABLE(X) \
  X(char, Int8)                    \
  X(unsigned char, UInt8)          \
  X(short, Int16)                  \
  X(unsigned short, UInt16)        \
  X(Long32, Int32)                 \
  X(ULong32, UInt32)               \
  X(int, Int)                      \
  X(unsigned int, UInt)            \
  X(float, Real32)                 \
  X(double, Real64)

template <class T>
inline constexpr bool IsSgScalar =
    std::is_same_v<T, char> || std::is_same_v<T, unsigned char> || std::is_same_v<T, short> ||
    std::is_same_v<T, unsigned short> || std::is_same_v<T, Long32> || std::is_same_v<T, ULong32> ||
    std::is_same_v<T, int> || std::is_same_v<T, unsigned int> || std::is_same_v<T, float> ||
    std::is_same_v<T, double>;

// The VARTYPE a container of T writes into VARIANTs.
template <class T>
constexpr VARTYPE ScalarVarType() {
  static_assert(IsSgScalar<T>);
  if constexpr (std::is_same_v<T, float>)
    return 4;  // VT_R4
  else if constexpr (std::is_same_v<T, double>)
    return 5;  // VT_R8
  else if constexpr (sizeof(T) == 1)
    return IsSignedElement<T> ? 16 : 17;  // VT_I1, VT_UI1
  else if constexpr (sizeof(T) == 2)
    return IsSignedElement<T> ? 2 : 18;  // VT_I2, VT_UI2
  else
    return IsSignedElement<T> ? 3 : 19;  // VT_I4, VT_UI4
}

}  // namespace SG
