#pragma once
// The passes over a preview's samples: every k-th one gathered for the
// graph, and the check that all of them are finite numbers, alone or in one
// pass. A long record is then read from memory once for both.

#include <cstddef>

namespace tools {

// True when each of s[0..n) is a finite number.
bool AllFiniteSamples(const float* s, size_t n);
bool AllFiniteSamples(const double* s, size_t n);

// d[j] = s[j * k] for j < count.
void GatherEvery(const float* s, size_t k, float* d, size_t count);
void GatherEvery(const double* s, size_t k, double* d, size_t count);

// The gather of n / k samples from s[0..n) into d, when each of s[0..n) is
// a finite number; false when one is not (d then holds part of the gather).
bool GatherEveryIfFinite(const float* s, size_t n, size_t k, float* d);
bool GatherEveryIfFinite(const double* s, size_t n, size_t k, double* d);

}  // namespace tools
