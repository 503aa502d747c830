#pragma once
// A simulated instrument: it takes whole messages from the host, answers
// queries and keeps a log of everything it received and answered.
// Every link to the host (a VXI-11 link, an open usbtmc device, the raw-USB
// pipe) is a channel with replies of its own, so concurrent clients never
// read one another's answers. A new message discards the channel's unread
// replies, as an instrument does when a query is followed by a new message.
// Completion polls ("*OPC?", "OLR?", "IQS?") are answered into a status slot
// that a reader gets ahead of the replies, and leave a pending reply alone, as
// the raw-USB flow needs: the host polls for completion after a query and
// reads the query's reply after that.
// Thread-safe: front ends call it from their own threads.

#include "containers/SgAllocate.h"
#include "sim/SimFaults.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace sim {

// Messages, replies and stored waveforms. A block write's tens of megabytes
// arrive in fresh memory, which lies on huge pages and is not zeroed before
// the data is received into it: every byte is written before it is read.
using Bytes = SG::SampleVector<std::uint8_t>;
using ChannelId = std::uint32_t;
// The channel of callers that name none (tests, single-link front ends).
constexpr ChannelId kDefaultChannel = 0;

// A reply: its text head, then a body shared with the instrument's storage
// (a waveform read-back sends megabytes without copying them).
struct SimReply {
  Bytes head;
  std::shared_ptr<const Bytes> body = {};
  std::size_t bodyOffset = 0;  // where in the body the bytes sent begin
  std::size_t bodySize = 0;    // bytes of the body that are sent

  std::size_t size() const { return head.size() + bodySize; }
  // The one or two pieces that cover bytes [pos, pos + n).
  std::pair<std::span<const std::uint8_t>, std::span<const std::uint8_t>> Slice(
      std::size_t pos, std::size_t n) const;
  Bytes Flatten() const;
};

class SimInstrument {
 public:
  virtual ~SimInstrument() = default;

  ChannelId OpenChannel();
  // Drops the channel and its replies (the default channel stays).
  void CloseChannel(ChannelId channel);

  // One whole message. Returns false when writes are refused (fault switch).
  bool Receive(ChannelId channel, std::span<const std::uint8_t> message);
  // The same for a message the caller gives up: a block write's samples are
  // kept without another copy.
  bool Receive(ChannelId channel, Bytes&& message);
  bool Receive(std::span<const std::uint8_t> message) { return Receive(kDefaultChannel, message); }
  bool Receive(Bytes&& message) { return Receive(kDefaultChannel, std::move(message)); }
  // The channel's next reply: the status slot first, then the replies.
  // Nothing when none is pending, or when the delay fault holds it back.
  std::optional<SimReply> TakeReply(ChannelId channel = kDefaultChannel);
  bool HasReply(ChannelId channel = kDefaultChannel) const;
  // Waits until the channel has a reply, the time is up or `cancelled` says
  // so (it is asked whenever the wait wakes); true when a reply is there.
  bool WaitForReply(ChannelId channel, std::chrono::milliseconds time,
                    const std::function<bool()>& cancelled);
  // Wakes every waiter so that it asks its `cancelled` again.
  void WakeWaiters();
  // Device clear: drops the channel's pending replies.
  void Clear(ChannelId channel = kDefaultChannel);
  // Memory that held a stored waveform nobody reads any more, for the next
  // long message to arrive in without fresh pages; empty when there is none.
  Bytes TakeSpare();

  // The most recent messages received (every one goes to the log sink).
  std::vector<std::string> Log() const;
  void ClearLog();
  SimFaults Faults() const;
  void SetFaults(const SimFaults& faults);
  // Called with every message ("<- [channel] text") and every reply
  // ("-> [channel] text"), under the instrument's lock.
  using LogSink = std::function<void(const std::string& line)>;
  void SetLogSink(LogSink sink);

 protected:
  // Handles one message; `text` is the message with trailing line ends
  // removed, `raw` the bytes as received (block writes carry binary data).
  // Its replies go to the channel the message came from.
  virtual void Handle(const std::string& text, std::span<const std::uint8_t> raw) = 0;
  void Reply(const std::string& text);
  void Reply(Bytes bytes);
  void Reply(SimReply reply);
  void ReplyStatus(const std::string& text);
  // Notes a command the instrument refused (an out-of-range setting).
  void NoteError(const std::string& text);
  SimFaults FaultsLocked() const { return faults_; }
  void KeepSpare(Bytes&& buffer);
  // During Handle: the message's own buffer when the caller gave it up (the
  // handler may take it), else null.
  Bytes* OwnedMessage() { return owned_; }

  mutable std::mutex lock_;  // held while Handle runs

 private:
  struct Channel {
    std::deque<SimReply> replies;
    std::optional<Bytes> status;
  };
  bool ReceiveLocked(ChannelId channel, std::span<const std::uint8_t> message);
  bool HasReplyLocked(ChannelId channel) const;
  void AddLog(ChannelId channel, const char* direction, std::string line, bool keep);
  bool AnswerPoll(const std::string& text);

  std::map<ChannelId, Channel> channels_{{kDefaultChannel, Channel{}}};
  ChannelId nextChannel_ = kDefaultChannel + 1;
  ChannelId current_ = kDefaultChannel;
  std::condition_variable changed_;
  std::deque<std::string> log_;
  SimFaults faults_;
  Bytes* owned_ = nullptr;
  Bytes spare_;
  LogSink sink_;
};

// Readable form of a message for the log: text up to the first binary byte,
// then the count of the remaining bytes.
std::string DescribeMessage(std::span<const std::uint8_t> message);

}  // namespace sim
