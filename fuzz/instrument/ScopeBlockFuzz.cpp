// libFuzzer entry: the oscilloscope's "WF? ALL" response as the import takes
// it apart. The first two bytes set the sample capacity (so that the limit is
// reached), the rest is what the read brought, in a buffer of exactly that
// size. Promises: a block is found exactly when the response has the block
// mark and nine length digits at their places, the length covers the
// descriptor, the block lies within the bytes read and its codes within the
// capacity; its codes are then the bytes after the descriptor, up to the
// block's end.

#include <cstdint>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "instrument/ScopeBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::size_t capacity = in.Value<std::uint16_t>();
  const std::vector<BYTE> response(in.Rest(), in.Rest() + in.Left());
  const long long codes = ScopeBlockCodeCount(response.data(), response.size(), capacity);

  // The layout read the plain way: "#9" at bytes 10 and 11, then the digits.
  bool block = response.size() >= 21 && response[10] == '#' && response[11] == '9';
  unsigned long long length = 0;
  for (std::size_t i = 12; block && i < 21; ++i) {
    block = response[i] >= '0' && response[i] <= '9';
    length = length * 10 + (response[i] - '0');
  }
  block = block && length >= 346 && 21 + length <= response.size() && length - 346 <= capacity;
  FUZZ_PROMISE(block == (codes >= 0));
  if (block) FUZZ_PROMISE(static_cast<unsigned long long>(codes) == length - 346);
  return 0;
}
