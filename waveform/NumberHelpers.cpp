#include "waveform/NumberHelpers.h"

#include "platform/win/CrtFormat.h"
#include "waveform/WaveStore.h"

#include <climits>
#include <cstdint>

namespace {

CString WithoutBlanksUpper(CString text) {
  text.Remove(' ');
  text.MakeUpper();
  return text;
}

bool IsCrtSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The runtime's atoi: white space, an optional sign, decimal digits; beyond
// int's range the nearest end of it.
int Atoi(const char* p) {
  while (IsCrtSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

double StrToDouble(CString text) { return CrtAtof(WithoutBlanksUpper(text)); }

int StrToInt(CString text) {
  text = WithoutBlanksUpper(text);
  const bool negative = !text.IsEmpty() && text[0] == '-';
  text.Remove('+');
  text.Remove('-');
  const int value = text.Left(2) == "0X" ? HexStrToInt(text) : Atoi(text);
  // Negated with wrapping, so that the hexadecimal INT_MIN stays itself.
  return negative ? static_cast<int>(0u - static_cast<std::uint32_t>(value)) : value;
}

int HexStrToInt(CString text) {
  std::uint32_t sum = 0, weight = 1;
  for (int i = text.GetLength() - 1; i >= 0; --i) {
    sum += static_cast<std::uint32_t>(HexDigit(text[i])) * weight;
    weight *= 16;
  }
  return static_cast<int>(sum);
}

CString IntToStr(int value, int flag) { return CString(CrtFormat(flag ? "%+d" : "%d", value)); }

CString IntToStr2(int value, int flag) { return IntToStr(value, flag); }

CString DoubleToStr(double value) { return CString(CrtFormat("%0.9f", value)); }

double IntPow(double x, int n) {
  double result = 1.0;
  if (n >= 0) {
    for (int i = 0; i < n; ++i) result *= x;
  } else {
    for (long long i = n; i < 0; ++i) result /= x;
  }
  return result;
}

bool IsWaveNameUsed(CString name) {
  name.Trim(' ');
  return g_WaveStore.FindName(name) != -1;
}
