#pragma once
// One open instrument connection behind a VISA session. Each transport keeps
// message boundaries: a write is one message that ends with END, and a read
// reports whether END closed what it returned.

#include "platform/visa/VisaTypes.h"

#include <cstddef>
#include <memory>
#include <string>

namespace visa {

struct ReadResult {
  ViStatus status = VI_SUCCESS;
  std::size_t count = 0;  // bytes placed in the caller's buffer
  bool end = false;       // the message ended within them
};

class IVisaTransport {
 public:
  virtual ~IVisaTransport() = default;
  // Writes the bytes as one message with END; on success *written == size.
  virtual ViStatus Write(const unsigned char* data, std::size_t size, std::size_t* written) = 0;
  // Reads at most capacity bytes, stopping at END.
  virtual ReadResult Read(unsigned char* buffer, std::size_t capacity) = 0;
  virtual ViStatus Clear() = 0;
  virtual void SetTimeoutMs(ViUInt32 ms) = 0;
  virtual ViUInt32 TimeoutMs() const = 0;
};

// Default read time-out of a new session, as common VISA libraries use.
constexpr ViUInt32 kDefaultTimeoutMs = 2000;

}  // namespace visa
