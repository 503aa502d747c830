#pragma once
// A simulated arbitrary-waveform generator: identification, the waveform
// block write and its commit, stored slots and lists, parameter and data
// read-back. 14-bit families keep waveforms in numbered slots (M50...), the
// 16-bit families by name as user waveforms.

#include "sim/GeneratorFamilies.h"
#include "sim/SimInstrument.h"

#include <map>

namespace sim {

struct StoredWave {
  std::string name;
  std::string frequency = "1.00E03", amplitude = "4.00E00", offset = "0.00E00", phase = "0.00E00";
  Bytes data;                 // the codes exactly as written, from dataStart on
  std::size_t dataStart = 0;  // a block write keeps its header before the codes
  std::span<const std::uint8_t> Codes() const {
    return std::span<const std::uint8_t>(data).subspan(dataStart);
  }
};

struct GeneratorIdentity {
  std::string producer = "KALVO";
  std::string model;  // a family model by default
  std::string serial = "KRG00000001";
  std::string version = "1.01.01.20";
  std::string prodModel;  // "PROD MODEL?" reply; the model when empty
  std::string private1;   // "*IDN-KVRN-PRI?" reply
  std::string private2;   // "IDN-KVRN-PRI?" reply
};

class SimGenerator final : public SimInstrument {
 public:
  explicit SimGenerator(const GeneratorFamily& family);
  SimGenerator(const GeneratorFamily& family, GeneratorIdentity identity);

  const GeneratorFamily& Family() const { return family_; }
  // Slots by position (14-bit) or user waveforms by name (16-bit); the
  // copy's data holds the codes alone.
  std::optional<StoredWave> Slot(const std::string& key) const;
  void Store(const std::string& key, StoredWave wave);
  // The last commit command's argument ("50" or a name), empty before one.
  std::string LastCommit() const;

 protected:
  void Handle(const std::string& text, std::span<const std::uint8_t> raw) override;

 private:
  void HandleBlock(std::span<const std::uint8_t> raw, std::size_t dataStart);
  void ReplyList(const std::string& which);
  void ReplyParams(const std::string& position);
  void ReplyData(const std::string& request);
  std::string LengthField(std::size_t bytes) const;

  const GeneratorFamily& family_;
  GeneratorIdentity identity_;
  // Shared, so a read-back reply sends the stored bytes without a copy and
  // an overwrite does not pull them from under a reply being read.
  using Table = std::map<std::string, std::shared_ptr<StoredWave>>;
  Table slots_;  // 14-bit: by position
  Table user_;   // 16-bit: by name
  std::string lastCommit_;
};

}  // namespace sim
