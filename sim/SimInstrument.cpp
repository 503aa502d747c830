#include "sim/SimInstrument.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {
constexpr std::size_t kTextHead = 4096;
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

bool SimInstrument::Receive(std::span<const std::uint8_t> message) {
  std::lock_guard guard(lock_);
  return ReceiveLocked(message);
}

bool SimInstrument::Receive(Bytes&& message) {
  Bytes owned = std::move(message);
  std::lock_guard guard(lock_);
  owned_ = &owned;
  bool taken = ReceiveLocked(owned);
  owned_ = nullptr;
  return taken;
}

bool SimInstrument::ReceiveLocked(std::span<const std::uint8_t> message) {
  AddLog(DescribeMessage(message));
  if (faults_.refuseWrite) return false;
  // Commands are short; a block write carries megabytes of samples, which
  // Handle takes from the raw bytes, so only the head is made text.
  std::string text(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(
                                                          std::min(message.size(), kTextHead)));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  if (!AnswerPoll(text)) Handle(text, message);
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
  if (n > 0 && body) second = std::span<const std::uint8_t>(*body).subspan(pos - head.size(), n);
  return {first, second};
}

Bytes SimReply::Flatten() const {
  Bytes out(head);
  if (body)
    out.insert(out.end(), body->begin(), body->begin() + static_cast<std::ptrdiff_t>(bodySize));
  return out;
}

std::optional<SimReply> SimInstrument::TakeReply() {
  std::lock_guard guard(lock_);
  if (faults_.delayPastTimeout) return std::nullopt;
  if (status_) {
    SimReply out{std::move(*status_)};
    status_.reset();
    return out;
  }
  if (replies_.empty()) return std::nullopt;
  SimReply out = std::move(replies_.front());
  replies_.pop_front();
  return out;
}

bool SimInstrument::HasReply() const {
  std::lock_guard guard(lock_);
  return !faults_.delayPastTimeout && (status_ || !replies_.empty());
}

void SimInstrument::Clear() {
  std::lock_guard guard(lock_);
  AddLog("<device clear>");
  replies_.clear();
  status_.reset();
}

std::vector<std::string> SimInstrument::Log() const {
  std::lock_guard guard(lock_);
  return log_;
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
  std::lock_guard guard(lock_);
  faults_ = faults;
}

void SimInstrument::SetLogSink(void (*sink)(const std::string&)) {
  std::lock_guard guard(lock_);
  sink_ = sink;
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
  replies_.push_back(std::move(reply));
}

void SimInstrument::ReplyStatus(const std::string& text) {
  if (faults_.noReply) return;
  status_ = Bytes(text.begin(), text.end());
}

void SimInstrument::AddLog(std::string line) {
  if (sink_) sink_(line);
  log_.push_back(std::move(line));
}

}  // namespace sim
