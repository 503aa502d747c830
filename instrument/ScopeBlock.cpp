#include "instrument/ScopeBlock.h"

long long ScopeBlockCodeCount(const BYTE* bytes, std::size_t got, std::size_t capacity) {
  if (got < kScopeBlockAt || bytes[kScopeBlockMarkAt] != '#' || bytes[kScopeBlockMarkAt + 1] != '9')
    return -1;
  long long length = 0;
  for (std::size_t i = kScopeBlockLengthAt; i < kScopeBlockAt; ++i) {
    if (bytes[i] < '0' || bytes[i] > '9') return -1;
    length = length * 10 + (bytes[i] - '0');
  }
  const long long codes = length - static_cast<long long>(kScopeDescriptorBytes);
  if (codes < 0 || kScopeBlockAt + static_cast<std::size_t>(length) > got ||
      static_cast<std::size_t>(codes) > capacity)
    return -1;
  return codes;
}
