#pragma once
// A simulated instrument: it takes whole messages from the host, answers
// queries into a reply queue and keeps a log of everything it received.
// Completion polls ("*OPC?", "OLR?", "IQS?") are answered into a status slot
// that a reader gets ahead of the queue, as the raw-USB flow needs: the host
// polls for completion after a query and reads the query's reply after that.
// Thread-safe: front ends call it from their own threads.

#include "sim/SimFaults.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sim {

using Bytes = std::vector<std::uint8_t>;

// A reply: its text head, then a body shared with the instrument's storage
// (a waveform read-back sends megabytes without copying them).
struct SimReply {
  Bytes head;
  std::shared_ptr<const Bytes> body = {};
  std::size_t bodySize = 0;  // bytes of the body that are sent

  std::size_t size() const { return head.size() + bodySize; }
  // The one or two pieces that cover bytes [pos, pos + n).
  std::pair<std::span<const std::uint8_t>, std::span<const std::uint8_t>> Slice(
      std::size_t pos, std::size_t n) const;
  Bytes Flatten() const;
};

class SimInstrument {
 public:
  virtual ~SimInstrument() = default;

  // One whole message. Returns false when writes are refused (fault switch).
  bool Receive(std::span<const std::uint8_t> message);
  // The same for a message the caller gives up: a block write's samples are
  // kept without another copy.
  bool Receive(Bytes&& message);
  // The next reply: the status slot first, then the queue. Nothing when none
  // is pending, or when the delay fault holds it back.
  std::optional<SimReply> TakeReply();
  bool HasReply() const;
  // Device clear: drops every pending reply.
  void Clear();

  std::vector<std::string> Log() const;
  void ClearLog();
  SimFaults Faults() const;
  void SetFaults(const SimFaults& faults);
  // Called for every logged line (the program prints them).
  void SetLogSink(void (*sink)(const std::string& line));

 protected:
  // Handles one message; `text` is the message with trailing line ends
  // removed, `raw` the bytes as received (block writes carry binary data).
  virtual void Handle(const std::string& text, std::span<const std::uint8_t> raw) = 0;
  void Reply(const std::string& text);
  void Reply(Bytes bytes);
  void Reply(SimReply reply);
  void ReplyStatus(const std::string& text);
  SimFaults FaultsLocked() const { return faults_; }
  // During Handle: the message's own buffer when the caller gave it up (the
  // handler may take it), else null.
  Bytes* OwnedMessage() { return owned_; }

  mutable std::mutex lock_;  // held while Handle runs

 private:
  bool ReceiveLocked(std::span<const std::uint8_t> message);
  void AddLog(std::string line);
  bool AnswerPoll(const std::string& text);

  std::deque<SimReply> replies_;
  std::optional<Bytes> status_;
  std::vector<std::string> log_;
  SimFaults faults_;
  Bytes* owned_ = nullptr;
  void (*sink_)(const std::string&) = nullptr;
};

// Readable form of a message for the log: text up to the first binary byte,
// then the count of the remaining bytes.
std::string DescribeMessage(std::span<const std::uint8_t> message);

}  // namespace sim
