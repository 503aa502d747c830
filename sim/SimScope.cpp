#include "sim/SimScope.h"

#include "platform/afx/CrtScan.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

constexpr long kRawUsbCentre = 132;  // the code of the screen's centre on raw USB

// "C2:..." -> 2; 0 when the text names no channel.
int ChannelOf(const std::string& text) {
  std::size_t c = text.find('C');
  if (c == std::string::npos || c + 1 >= text.size()) return 0;
  int n = text[c + 1] - '0';
  return n >= 1 && n <= 4 ? n : 0;
}

// A record length from "WFSU NP,<n>": a whole number from 0 (the whole
// record) to the memory depth, written with or without decimals.
std::optional<std::size_t> RecordLength(const char* text) {
  char* end = nullptr;
  const double value = CrtStrtod(text, &end);
  if (end == text || !std::isfinite(value) || value < 0 || value > kScopeMemoryDepth ||
      value != std::floor(value))
    return std::nullopt;
  while (*end == ' ') ++end;
  if (*end != '\0') return std::nullopt;
  return static_cast<std::size_t>(value);
}

}  // namespace

SimScope::SimScope(ScopeSetup setup) : setup_(std::move(setup)) {}

Bytes SimScope::CaptureCodes(int channel, ScopeWire wire) const {
  std::lock_guard guard(lock_);
  return CaptureCodesLocked(channel, wire);
}

Bytes SimScope::CaptureCodesLocked(int channel, ScopeWire wire) const {
  std::size_t n =
      points_ ? points_
              : static_cast<std::size_t>(std::strtoul(setup_.sampleCount.c_str(), nullptr, 10));
  n = std::min(n, kScopeMemoryDepth);
  Bytes codes(n);
  const long centre = wire == ScopeWire::RawUsb ? kRawUsbCentre : 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!setup_.capture.empty()) {
      codes[i] = setup_.capture[i % setup_.capture.size()];
      continue;
    }
    const long level = std::lround(100.0 * std::sin(2 * M_PI * channel * i / n));
    codes[i] = static_cast<std::uint8_t>((centre + level) & 0xFF);
  }
  return codes;
}

void SimScope::Handle(const std::string& text, std::span<const std::uint8_t>) {
  int ch = ChannelOf(text);
  if (text == "*IDN?") {
    Reply("*IDN KALVO," + setup_.model + ",KDS00000001,2.0.1\n");
  } else if (text == "*IDN-KVRN-PRI?" || text == "IDN-KVRN-PRI?") {
    if (!setup_.privateIdentity.empty()) Reply(setup_.privateIdentity + "\n");
  } else if (text == "CHS?") {
    Reply("CHS " + std::to_string(setup_.channels) + "\n");
  } else if (text.find(":VDIV?") != std::string::npos && ch) {
    Reply(text.substr(0, 2) + ":VDIV " + setup_.channel[ch - 1].vdiv + "\n");
  } else if (text.find(":OFST?") != std::string::npos && ch) {
    Reply(text.substr(0, 2) + ":OFST " + setup_.channel[ch - 1].offset + "\n");
  } else if (text == "TDIV?") {
    Reply("TDIV " + setup_.tdiv + "\n");
  } else if (text == "SARA?") {
    Reply("SARA " + setup_.sampleRate + "\n");
  } else if (text.rfind("SANU?", 0) == 0) {
    Reply("SANU " + setup_.sampleCount + "\n");
  } else if (text.rfind("WFSU NP,", 0) == 0) {
    if (auto n = RecordLength(text.c_str() + 8))
      points_ = *n;
    else
      NoteError("record length out of range: " + text.substr(8));  // the setting stays
  } else if (text.find(":WF?") != std::string::npos && ch) {
    ReplyCapture(ch, text.find("ALL") != std::string::npos);
  } else if (text == "SCDP") {
    Bytes bitmap(kScreenDumpBytes, 0x40);
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    Reply(std::move(bitmap));
  }
  // WFSU other fields, WFCLR, CHDR: taken without a reply.
}

// "ALL" asks for the definite-length block a VISA reader takes: "C1:WF ALL,"
// and "#9" (12 bytes), nine digits of the block length, the waveform
// descriptor, one code per sample, one line feed; the length counts the
// descriptor and the codes. Otherwise the reply text padded to its fixed
// length, then the codes.
void SimScope::ReplyCapture(int ch, bool all) {
  Bytes codes = CaptureCodesLocked(ch, all ? ScopeWire::Network : ScopeWire::RawUsb);
  const std::size_t length = (all ? kWaveDescriptorBytes : 0) + codes.size();
  char head[64];
  std::snprintf(head, sizeof head, all ? "C%d:WF ALL,#9%09zu" : "C%d:WF DAT2,#9%09zu", ch, length);
  Bytes reply(head, head + std::strlen(head));
  if (all) {
    Bytes descriptor(kWaveDescriptorBytes, 0);
    std::memcpy(descriptor.data(), "WAVEDESC", 8);
    reply.insert(reply.end(), descriptor.begin(), descriptor.end());
  } else {
    reply.resize(kCaptureHeaderBytes, ' ');
  }
  if (FaultsLocked().truncatedBlock) codes.resize(codes.size() / 2);
  reply.insert(reply.end(), codes.begin(), codes.end());
  if (all) reply.push_back('\n');
  Reply(std::move(reply));
}

}  // namespace sim
