#include "sim/SimInstrument.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

constexpr std::size_t kTextHead = 4096;
// The log keeps the latest lines only, so a long run does not grow it.
constexpr std::size_t kLogLines = 65536;

std::string DescribeReply(const SimReply& reply) {
  std::string line = DescribeMessage(reply.head);
  if (reply.bodySize) line += " <" + std::to_string(reply.bodySize) + " bytes>";
  return line;
}

}  // namespace

std::string DescribeMessage(std::span<const std::uint8_t> message) {
  std::size_t text = 0;
  while (text < message.size() && message[text] >= 0x20 && message[text] < 0x7F) ++text;
  std::string line(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(text));
  std::size_t rest = message.size() - text;
  bool lineEndOnly =
      rest <= 2 && std::all_of(message.begin() + static_cast<std::ptrdiff_t>(text), message.end(),
                               [](std::uint8_t c) { return c == '\n' || c == '\r'; });
  if (rest && !lineEndOnly) line += " <" + std::to_string(rest) + " bytes>";
  return line;
}

ChannelId SimInstrument::OpenChannel() {
  std::lock_guard guard(lock_);
  ChannelId id = nextChannel_++;
  channels_[id];
  return id;
}

void SimInstrument::CloseChannel(ChannelId channel) {
  std::lock_guard guard(lock_);
  if (channel != kDefaultChannel) channels_.erase(channel);
}

bool SimInstrument::Receive(ChannelId channel, std::span<const std::uint8_t> message) {
  std::lock_guard guard(lock_);
  return ReceiveLocked(channel, message);
}

bool SimInstrument::Receive(ChannelId channel, Bytes&& message) {
  Bytes owned = std::move(message);
  std::lock_guard guard(lock_);
  owned_ = &owned;
  bool taken = ReceiveLocked(channel, owned);
  owned_ = nullptr;
  return taken;
}

bool SimInstrument::ReceiveLocked(ChannelId channel, std::span<const std::uint8_t> message) {
  AddLog(channel, "<-", DescribeMessage(message), true);
  if (faults_.refuseWrite) return false;
  auto found = channels_.find(channel);
  if (found == channels_.end()) return false;  // a closed channel takes nothing
  // Commands are short; a block write carries megabytes of samples, which
  // Handle takes from the raw bytes, so only the head is made text.
  std::string text(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(
                                                          std::min(message.size(), kTextHead)));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  current_ = channel;
  if (!AnswerPoll(text)) {
    // A new message: what the last one left unread is gone.
    found->second.replies.clear();
    found->second.status.reset();
    Handle(text, message);
  }
  current_ = kDefaultChannel;
  return true;
}

std::pair<std::span<const std::uint8_t>, std::span<const std::uint8_t>> SimReply::Slice(
    std::size_t pos, std::size_t n) const {
  std::span<const std::uint8_t> first, second;
  if (pos < head.size()) {
    std::size_t take = std::min(n, head.size() - pos);
    first = std::span<const std::uint8_t>(head).subspan(pos, take);
    pos += take;
    n -= take;
  }
  if (n > 0 && body)
    second = std::span<const std::uint8_t>(*body).subspan(bodyOffset + pos - head.size(), n);
  return {first, second};
}

Bytes SimReply::Flatten() const {
  Bytes out(head);
  if (body) {
    auto from = body->begin() + static_cast<std::ptrdiff_t>(bodyOffset);
    out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(bodySize));
  }
  return out;
}

std::optional<SimReply> SimInstrument::TakeReply(ChannelId channel) {
  std::lock_guard guard(lock_);
  if (!HasReplyLocked(channel)) return std::nullopt;
  Channel& c = channels_[channel];
  if (c.status) {
    SimReply out{std::move(*c.status)};
    c.status.reset();
    return out;
  }
  SimReply out = std::move(c.replies.front());
  c.replies.pop_front();
  return out;
}

bool SimInstrument::HasReply(ChannelId channel) const {
  std::lock_guard guard(lock_);
  return HasReplyLocked(channel);
}

bool SimInstrument::HasReplyLocked(ChannelId channel) const {
  if (faults_.delayPastTimeout) return false;
  auto found = channels_.find(channel);
  return found != channels_.end() && (found->second.status || !found->second.replies.empty());
}

bool SimInstrument::WaitForReply(ChannelId channel, std::chrono::milliseconds time,
                                 const std::function<bool()>& cancelled) {
  std::unique_lock guard(lock_);
  changed_.wait_for(guard, time, [&] { return HasReplyLocked(channel) || cancelled(); });
  return HasReplyLocked(channel);
}

void SimInstrument::WakeWaiters() {
  { std::lock_guard guard(lock_); }
  changed_.notify_all();
}

void SimInstrument::Clear(ChannelId channel) {
  std::lock_guard guard(lock_);
  AddLog(channel, "<-", "<device clear>", true);
  auto found = channels_.find(channel);
  if (found == channels_.end()) return;
  found->second.replies.clear();
  found->second.status.reset();
}

Bytes SimInstrument::TakeSpare() {
  std::lock_guard guard(lock_);
  return std::exchange(spare_, Bytes());
}

void SimInstrument::KeepSpare(Bytes&& buffer) {
  if (buffer.capacity() > spare_.capacity()) spare_ = std::move(buffer);
}

std::vector<std::string> SimInstrument::Log() const {
  std::lock_guard guard(lock_);
  return std::vector<std::string>(log_.begin(), log_.end());
}

void SimInstrument::ClearLog() {
  std::lock_guard guard(lock_);
  log_.clear();
}

SimFaults SimInstrument::Faults() const {
  std::lock_guard guard(lock_);
  return faults_;
}

void SimInstrument::SetFaults(const SimFaults& faults) {
  {
    std::lock_guard guard(lock_);
    faults_ = faults;
  }
  changed_.notify_all();  // a held-back reply may be free now
}

void SimInstrument::SetLogSink(LogSink sink) {
  std::lock_guard guard(lock_);
  sink_ = std::move(sink);
}

// Completion polls: the simulated instrument finishes every operation at
// once, so each poll reports completion.
bool SimInstrument::AnswerPoll(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "*OPC?")
    ReplyStatus("*OPC 1");
  else if (upper == "OLR?")
    ReplyStatus("OLR 1");
  else if (upper == "IQS?")
    ReplyStatus("IQS 2");
  else
    return false;
  return true;
}

void SimInstrument::Reply(const std::string& text) { Reply(Bytes(text.begin(), text.end())); }

void SimInstrument::Reply(Bytes bytes) { Reply(SimReply{std::move(bytes)}); }

void SimInstrument::Reply(SimReply reply) {
  if (faults_.noReply) return;
  AddLog(current_, "->", DescribeReply(reply), false);
  channels_[current_].replies.push_back(std::move(reply));
  changed_.notify_all();
}

void SimInstrument::ReplyStatus(const std::string& text) {
  if (faults_.noReply) return;
  AddLog(current_, "->", text, false);
  channels_[current_].status = Bytes(text.begin(), text.end());
  changed_.notify_all();
}

void SimInstrument::NoteError(const std::string& text) {
  AddLog(current_, "!!", "error: " + text, true);
}

void SimInstrument::AddLog(ChannelId channel, const char* direction, std::string line, bool keep) {
  if (sink_) sink_(std::string(direction) + " [" + std::to_string(channel) + "] " + line);
  if (!keep) return;
  if (log_.size() == kLogLines) log_.pop_front();
  log_.push_back(std::move(line));
}

}  // namespace sim
