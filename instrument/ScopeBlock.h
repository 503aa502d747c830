#pragma once
// The oscilloscope's response to "<channel>:WF? ALL" over VISA, as the import
// reads it: a 12-byte response header whose last two bytes are the block
// mark "#9", nine decimal digits of the block length L, a 346-byte waveform
// descriptor, then L - 346 one-byte sample codes.

#include "platform/win/WinTypes.h"

#include <cstddef>

constexpr std::size_t kScopeBlockMarkAt = 10;
constexpr std::size_t kScopeBlockLengthAt = 12;
constexpr std::size_t kScopeBlockLengthDigits = 9;
constexpr std::size_t kScopeBlockAt = kScopeBlockLengthAt + kScopeBlockLengthDigits;
constexpr std::size_t kScopeDescriptorBytes = 346;
constexpr std::size_t kScopeBlockCodesAt = kScopeBlockAt + kScopeDescriptorBytes;

// The number of sample codes (from kScopeBlockCodesAt on) of a whole block
// within the `got` bytes read, or -1 when there is none: no block mark, a
// length that is not nine digits or is shorter than the descriptor, a block
// that reaches past the bytes read, or more codes than `capacity`.
long long ScopeBlockCodeCount(const BYTE* bytes, std::size_t got, std::size_t capacity);
