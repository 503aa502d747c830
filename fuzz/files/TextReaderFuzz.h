#pragma once
// One fuzz input for a text reader: the first byte chooses the chunk size
// (1 to 256 bytes, so that lines cross chunk boundaries everywhere), the
// rest is the file.

#include "fuzz/files/ReaderFuzz.h"

template <class Reader>
int FuzzTextReader(const std::uint8_t* data, std::size_t size, int failureMessage) {
  if (size == 0) return 0;
  const std::size_t chunk = data[0] + 1u;
  CMemFile file = filesfuzz::Input(data + 1, size - 1);
  CWaveData wave;
  Reader reader(wave, chunk);
  const int result = reader.read_file(file, "fuzz", "fuzz");
  filesfuzz::Require((result >= 0) == reader.status().ok());
  filesfuzz::CheckOutcome(reader.status(), wave, Reader::kValueLimit,
                          {failureMessage, WaveFileMessage::kUnreadableLine});
  return 0;
}
