#include "sim/SimGenerator.h"

#include "platform/afx/CrtScan.h"
#include "platform/win/NumericLocale.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <vector>

namespace sim {
namespace {

constexpr std::string_view kDataMark = "WAVEDATA,";
constexpr std::size_t kHeaderSearch = 4096;  // block headers are far shorter
constexpr int kFirstUserSlot = 50, kUserSlots = 10;
constexpr std::size_t kBuiltinPoints = 16384;

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::string Trim(std::string s) {
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// Drops a "C<n>:" channel prefix.
std::string WithoutChannel(const std::string& text) {
  if (text.size() > 3 && text[0] == 'C' && std::isdigit(static_cast<unsigned char>(text[1])) &&
      text[2] == ':')
    return text.substr(3);
  return text;
}

Bytes SineCodes(std::size_t points, int bits) {
  Bytes data(points * 2);
  double full = bits == 16 ? 32767.0 : 8191.0;
  for (std::size_t i = 0; i < points; ++i) {
    auto code = static_cast<std::int16_t>(std::lround(full * std::sin(2 * M_PI * i / points)));
    auto u = static_cast<std::uint16_t>(bits == 16 ? code : code & 0x3FFF);
    data[2 * i] = static_cast<std::uint8_t>(u & 0xFF);
    data[2 * i + 1] = static_cast<std::uint8_t>(u >> 8);
  }
  return data;
}

// A parameter as the instrument prints it: two decimals and an exponent,
// with a point whatever the desktop's locale.
std::string ExpForm(const std::string& number) {
  return FormatInCLocale("%.2E", CrtAtof(number.c_str()));
}

}  // namespace

SimGenerator::SimGenerator(const GeneratorFamily& family)
    : SimGenerator(family, GeneratorIdentity{}) {}

SimGenerator::SimGenerator(const GeneratorFamily& family, GeneratorIdentity identity)
    : family_(family), identity_(std::move(identity)) {
  if (identity_.model.empty()) identity_.model = std::string(family.model);
  if (identity_.prodModel.empty()) identity_.prodModel = identity_.model;
  StoredWave sine{"sine",    "1.00E03", "4.00E00",
                  "0.00E00", "0.00E00", SineCodes(kBuiltinPoints, family.codeBits)};
  slots_["M0"] = std::make_shared<StoredWave>(std::move(sine));
  if (family.codeBits != 16) {
    for (int i = 0; i < kUserSlots; ++i) {
      auto empty = std::make_shared<StoredWave>();
      empty->name = "EMPTY";
      slots_["M" + std::to_string(kFirstUserSlot + i)] = std::move(empty);
    }
  }
}

std::optional<StoredWave> SimGenerator::Slot(const std::string& key) const {
  std::lock_guard guard(lock_);
  const auto& table = family_.codeBits == 16 ? user_ : slots_;
  auto it = table.find(key);
  if (it == table.end()) return std::nullopt;
  StoredWave copy = *it->second;
  copy.data.erase(copy.data.begin(),
                  copy.data.begin() + static_cast<std::ptrdiff_t>(copy.dataStart));
  copy.dataStart = 0;
  return copy;
}

void SimGenerator::Store(const std::string& key, StoredWave wave) {
  std::lock_guard guard(lock_);
  (family_.codeBits == 16 ? user_ : slots_)[key] = std::make_shared<StoredWave>(std::move(wave));
}

std::string SimGenerator::LastCommit() const {
  std::lock_guard guard(lock_);
  return lastCommit_;
}

void SimGenerator::Handle(const std::string& text, std::span<const std::uint8_t> raw) {
  std::size_t searched = std::min(raw.size(), kHeaderSearch);
  std::string head(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(searched));
  std::size_t mark = head.find(kDataMark);
  std::string command = WithoutChannel(text);
  if (mark != std::string::npos && command.rfind("WVDT ", 0) == 0) {
    HandleBlock(raw, mark + kDataMark.size());
    return;
  }
  if (command == "*IDN?") {
    Reply("*IDN " + identity_.producer + "," + identity_.model + "," + identity_.serial + "," +
          identity_.version + "\n");
  } else if (command == "PROD MODEL?") {
    Reply(identity_.prodModel + "\n");
  } else if (command == "*IDN-KVRN-PRI?") {
    Reply(identity_.private1 + "\n");
  } else if (command == "IDN-KVRN-PRI?") {
    Reply(identity_.private2 + "\n");
  } else if (command == "PROD?") {
    Reply("PROD BANDWIDTH," + std::string(family_.bandwidth) + "\n");
  } else if (command.rfind("STL?", 0) == 0) {
    ReplyList(Trim(command.substr(4)));
  } else if (command.rfind("WVPR?", 0) == 0) {
    ReplyParams(Trim(command.substr(5)));
  } else if (command.rfind("WVDT?", 0) == 0) {
    ReplyData(Trim(command.substr(5)));
  } else if (command.rfind("ARWV ", 0) == 0) {
    std::vector<std::string> parts = SplitCommas(command.substr(5));
    if (parts.size() == 2) lastCommit_ = Trim(parts[1]);
  } else if (command.rfind("WVPR POS,", 0) == 0) {
    std::vector<std::string> f = SplitCommas(command.substr(5));
    auto& stored = slots_[Trim(f[1])];
    if (!stored) stored = std::make_shared<StoredWave>();
    StoredWave& w = *stored;
    for (std::size_t i = 2; i + 1 < f.size(); i += 2) {
      std::string key = Trim(f[i]);
      if (key == "WVNM") w.name = f[i + 1];
      if (key == "FREQ") w.frequency = f[i + 1];
      if (key == "AMPL") w.amplitude = f[i + 1];
      if (key == "OFST") w.offset = f[i + 1];
      if (key == "PHASE") w.phase = f[i + 1];
    }
  }
  // Everything else (CHDR, unknown commands) is taken without a reply.
}

void SimGenerator::HandleBlock(std::span<const std::uint8_t> raw, std::size_t dataStart) {
  std::string header = WithoutChannel(
      std::string(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(dataStart)));
  std::vector<std::string> f = SplitCommas(header.substr(5));  // after "WVDT "
  std::string position;
  std::size_t i = 0;
  if (!f.empty() && f[0] != "WVNM") position = f[i++];
  StoredWave wave;
  for (; i + 1 < f.size(); i += 2) {
    const std::string& key = f[i];
    if (key == "WVNM")
      wave.name = f[i + 1];
    else if (key == "FREQ")
      wave.frequency = ExpForm(f[i + 1]);
    else if (key == "AMPL")
      wave.amplitude = ExpForm(f[i + 1]);
    else if (key == "OFST")
      wave.offset = ExpForm(f[i + 1]);
    else if (key == "PHASE")
      wave.phase = ExpForm(f[i + 1]);
  }
  if (Bytes* owned = OwnedMessage(); owned && owned->data() == raw.data()) {
    wave.data = std::move(*owned);  // megabytes of samples: kept where they arrived
    wave.dataStart = dataStart;
  } else {
    wave.data.assign(raw.begin() + static_cast<std::ptrdiff_t>(dataStart), raw.end());
  }
  auto& stored = family_.codeBits == 16 ? user_[wave.name] : slots_[position];
  // The waveform it replaces gives its memory to the next long message,
  // unless a reply being read still holds it.
  if (stored && stored.use_count() == 1) KeepSpare(std::move(stored->data));
  stored = std::make_shared<StoredWave>(std::move(wave));
}

void SimGenerator::ReplyList(const std::string& which) {
  std::string list = "STL";
  if (which == "user") {
    for (const auto& entry : user_) list += "," + entry.first;
  } else {
    const char* sep = " ";
    for (const auto& [position, wave] : slots_) {
      list += sep + position + ", " + wave->name;
      sep = ", ";
    }
  }
  Reply(list + "\n");
}

void SimGenerator::ReplyParams(const std::string& position) {
  const StoredWave* w = nullptr;
  if (auto it = slots_.find(position); it != slots_.end())
    w = it->second.get();
  else if (!user_.empty() && position == "M0")
    w = user_.begin()->second.get();
  if (!w) return;  // an unknown position gets no answer
  Reply("WVPR POS," + position + ",WVNM," + w->name + ",FREQ," + w->frequency + ",AMPL," +
        w->amplitude + ",OFST," + w->offset + ",PHASE," + w->phase + "\n");
}

void SimGenerator::ReplyData(const std::string& request) {
  std::string position = request;
  std::shared_ptr<StoredWave> w;
  if (request.rfind("USER,", 0) == 0) {
    position = "USER";
    if (auto it = user_.find(request.substr(5)); it != user_.end()) w = it->second;
  } else if (auto it = slots_.find(request); it != slots_.end()) {
    w = it->second;
  }
  if (!w) return;
  SimFaults f = FaultsLocked();
  const auto codes = w->Codes();
  std::size_t sent = f.truncatedBlock ? codes.size() / 2 : codes.size();
  std::size_t claimed = f.wrongLengthField ? codes.size() * 2 : codes.size();
  std::string head = "WVDT POS," + position + ",WVNM," + w->name + ",TYPE,5,LENGTH," +
                     LengthField(claimed) + ",WAVEDATA,";
  if (f.overlongBlock) {  // the stored codes and then as many again
    Bytes all(head.begin(), head.end());
    all.insert(all.end(), codes.begin(), codes.end());
    all.insert(all.end(), codes.begin(), codes.end());
    Reply(std::move(all));
    return;
  }
  Reply(SimReply{Bytes(head.begin(), head.end()), std::shared_ptr<const Bytes>(w, &w->data),
                 w->dataStart, sent});
}

std::string SimGenerator::LengthField(std::size_t bytes) const {
  return family_.lengthInBytes ? std::to_string(bytes) + "B" : std::to_string(bytes / 1024) + "KB";
}

}  // namespace sim
