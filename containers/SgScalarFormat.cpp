#include "containers/SgScalarFormat.h"

#include "containers/CSgTextStream.h"
#include "platform/win/CrtFormat.h"

#include <string>

namespace SG {

#define SG_FORMAT_TEXT(index, T, format) format,
#define SG_FORMAT_SUFFIX(index, T, format) "%n",
const char* const SgScalarFormatTable[12] = {SG_SCALAR_FORMAT_TABLE(SG_FORMAT_TEXT)};
const char* const SgScalarScanSuffixTable[12] = {SG_SCALAR_FORMAT_TABLE(SG_FORMAT_SUFFIX)};
#undef SG_FORMAT_TEXT
#undef SG_FORMAT_SUFFIX

template <class T>
std::string FormatScalar(T value) {
  const char* format = SgScalarFormatTable[ScalarFormatIndex<T>];
  // Variadic promotion: small integers travel as int, float as double.
  if constexpr (std::is_floating_point_v<T>)
    return CrtFormat(format, static_cast<double>(value));
  else if constexpr (sizeof(T) < sizeof(int))
    return CrtFormat(format, static_cast<int>(value));
  else
    return CrtFormat(format, static_cast<ElementRep<T>>(value));
}

template <class T>
bool ScanScalar(const char* text, T* value, int* consumed) {
  const int index = ScalarFormatIndex<T>;
  const std::string format =
      std::string(SgScalarFormatTable[index]) + SgScalarScanSuffixTable[index];
  *consumed = 0;
  ElementRep<T> scanned{};
  if (CrtSscanf(text, format.c_str(), &scanned, consumed) != 1) return false;
  *value = scanned;
  return true;
}

#define SG_FORMAT_INSTANCES(index, T, format) \
  template std::string FormatScalar<T>(T);    \
  template bool ScanScalar<T>(const char*, T*, int*);
// LONG and ULONG are int and unsigned int: their rows serve Long32 and ULong32.
SG_FORMAT_INSTANCES(0, char, "")
SG_FORMAT_INSTANCES(1, unsigned char, "")
SG_FORMAT_INSTANCES(2, int, "")
SG_FORMAT_INSTANCES(3, unsigned int, "")
SG_FORMAT_INSTANCES(4, short, "")
SG_FORMAT_INSTANCES(5, unsigned short, "")
SG_FORMAT_INSTANCES(6, Long32, "")
SG_FORMAT_INSTANCES(7, ULong32, "")
SG_FORMAT_INSTANCES(8, LONGLONG, "")
SG_FORMAT_INSTANCES(9, ULONGLONG, "")
SG_FORMAT_INSTANCES(10, float, "")
SG_FORMAT_INSTANCES(11, double, "")
#undef SG_FORMAT_INSTANCES

}  // namespace SG
