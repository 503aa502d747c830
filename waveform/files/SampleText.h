#pragma once
// The two number texts of the CSV writers, written straight into a buffer:
// a sample as printf's "%0.5f" and a time as "%e" with the platform's
// three-digit exponent. Exact ties round to even, as the C library's printf
// does; infinities and NaNs get the platform runtime's text ("1.#INF00").

#include <cstddef>

// The longest text either function writes ("%0.5f" of -FLT_MAX).
inline constexpr std::size_t kMaxSampleText = 48;

// Writes "%0.5f" of value at out and returns the end; out must have room
// for kMaxSampleText characters. No terminator is written.
char* AppendFixed5(char* out, float value);

// Writes "%e" of value (six decimals, an exponent of at least three digits:
// 2.441406e-004) at out and returns the end; room as above.
char* AppendExponent6(char* out, float value);
