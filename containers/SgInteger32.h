#pragma once
// The element type of the containers' "long" rows. The library's long is a
// 32-bit integer, the same width as int, yet the long and int rows are
// distinct classes; so the long rows hold this distinct type, which behaves
// exactly like the built-in 32-bit integer it wraps: it converts to and from
// every number as that integer does, and arithmetic, comparison, printing and
// scanning go through the built-in value.

#include "platform/afx/Archive.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace SG {

template <class Rep>
class Integer32 {
  static_assert(std::is_integral_v<Rep> && sizeof(Rep) == 4);

 public:
  using rep_type = Rep;

  Integer32() = default;
  template <class U>
  requires std::is_arithmetic_v<U>
  constexpr Integer32(U value) : m_value(static_cast<Rep>(value)) {}

  constexpr operator Rep() const { return m_value; }

 private:
  Rep m_value;
};

using Long32 = Integer32<std::int32_t>;
using ULong32 = Integer32<std::uint32_t>;

template <class Rep>
CArchive& operator<<(CArchive& archive, Integer32<Rep> value) {
  return archive << static_cast<Rep>(value);
}
template <class Rep>
CArchive& operator>>(CArchive& archive, Integer32<Rep>& value) {
  Rep raw{};
  archive >> raw;
  value = raw;
  return archive;
}

template <class T>
inline constexpr bool IsInteger32 = false;
template <class Rep>
inline constexpr bool IsInteger32<Integer32<Rep>> = true;

// The built-in type an element behaves as: itself, or the wrapped integer.
template <class T>
struct ElementRepOf {
  using type = T;
};
template <class Rep>
struct ElementRepOf<Integer32<Rep>> {
  using type = Rep;
};
template <class T>
using ElementRep = typename ElementRepOf<T>::type;

// std::is_integral and std::is_signed may not be specialised; generic element
// code asks these instead.
template <class T>
inline constexpr bool IsIntegralElement = std::is_integral_v<ElementRep<T>>;
template <class T>
inline constexpr bool IsSignedElement = std::is_signed_v<ElementRep<T>>;
template <class T>
inline constexpr bool IsUnsignedElement = std::is_unsigned_v<ElementRep<T>>;

}  // namespace SG

template <class Rep>
class std::numeric_limits<SG::Integer32<Rep>> : public std::numeric_limits<Rep> {
 public:
  static constexpr SG::Integer32<Rep> min() noexcept { return std::numeric_limits<Rep>::min(); }
  static constexpr SG::Integer32<Rep> max() noexcept { return std::numeric_limits<Rep>::max(); }
  static constexpr SG::Integer32<Rep> lowest() noexcept {
    return std::numeric_limits<Rep>::lowest();
  }
};
