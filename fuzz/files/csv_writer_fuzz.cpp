// libFuzzer entry: the two CSV writers over fuzzed records, their files read
// back. The first byte picks the units and whether the header is written
// with the rows; then come the frequency, amplitude, offset and phase as
// doubles and the samples as floats (their raw bits, so every float occurs).
// Promises: each sample line is printf's "%.5f" of the sample (the C
// library's text, taken as the reference) and each header row's time is
// printf's "%e" of i / (n x f) with a three-digit exponent; the amplitude file is as long
// as AmplitudeCsvSize says; and a file of two or more finite samples reads
// back through the CSV reader to the samples its lines hold.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/afx/MemFile.h"
#include "waveform/files/CsvWaveReader.h"
#include "waveform/files/CsvWriters.h"

namespace {

constexpr unsigned kMostSamples = 512;

// A folder of our own, in memory where the system has one (a file is
// written and replaced for every input), removed at exit.
class Folder {
 public:
  Folder() {
    char shm[] = "/dev/shm/pelmoran-csv-fuzz-XXXXXX", tmp[] = "/tmp/pelmoran-csv-fuzz-XXXXXX";
    const char* made = ::mkdtemp(shm);
    if (!made) made = ::mkdtemp(tmp);
    path_ = made ? made : "";
  }
  ~Folder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Printed(const char* format, double value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// printf's "%e", its exponent widened to the platform's three digits.
std::string Exponent(float value) {
  std::string text = Printed("%e", value);
  const std::size_t sign = text.find_last_of("+-");
  if (text.size() - sign - 1 < 3) text.insert(sign + 1, "0");
  return text;
}

// The lines of a file (each ending in CR LF), the first `skip` left out.
std::vector<std::string> Lines(const std::string& bytes, std::size_t skip) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", at);
    FUZZ_PROMISE(end != std::string::npos);  // every line ends in CR LF
    if (skip)
      --skip;
    else
      lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

void ReadBack(const std::string& bytes, const std::vector<std::string>& values) {
  CMemFile file(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
  CWaveData wave;
  read_csv_wave_data_main_t reader(wave, 4096);  // lines across chunks too
  FUZZ_PROMISE(reader.read_file(file, "fuzz.csv", "fuzz") >= 0);
  FUZZ_PROMISE(wave.thedata.GetSize() == values.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    FUZZ_PROMISE(wave.thedata.GetData()[i] ==
                 static_cast<float>(std::strtod(values[i].c_str(), nullptr)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::uint8_t choice = in.Byte();
  CWaveData wave;
  wave.frequnit = choice % 5;
  wave.spanunit = (choice >> 3) & 1;
  wave.offsetunit = (choice >> 4) & 1;
  wave.freq = in.Value<double>();
  wave.span = in.Value<double>();
  wave.offset = in.Value<double>();
  wave.phase = in.Value<double>();
  const unsigned n = std::min<unsigned>(static_cast<unsigned>(in.Left() / 4), kMostSamples);
  wave.thedata.SetSize(n, TRUE);
  bool finite = true;
  for (unsigned i = 0; i < n; ++i) {
    wave.thedata.GetData()[i] = in.Value<float>();
    finite = finite && std::isfinite(wave.thedata.GetData()[i]);
  }
  wave.pointcount = wave.samplecount = static_cast<int>(n);

  const bool header = choice & 0x80;
  static const Folder folder;
  const std::string path = folder.path() + "/wave.csv";
  const WaveFileStatus status =
      WriteWaveCsvFile(wave, path.c_str(), header ? CsvLayout::Header : CsvLayout::Amplitude);
  FUZZ_PROMISE(status.ok());
  const std::string bytes = FileBytes(path);
  const float* samples = wave.thedata.GetData();
  std::vector<std::string> values;
  if (header) {
    FUZZ_PROMISE(bytes.compare(0, HeaderCsvHead(wave).size(), HeaderCsvHead(wave)) == 0);
    // The time of row i: i / (n x f) taken in extended precision and
    // rounded to single, f being the frequency line's text read back.
    const float f = static_cast<float>(std::strtod(Lines(bytes, 1)[0].c_str() + 10, nullptr));
    const std::vector<std::string> rows = Lines(bytes, 13);
    FUZZ_PROMISE(rows.size() == n);
    for (unsigned i = 0; i < n; ++i) {
      const std::size_t comma = rows[i].find(',');
      FUZZ_PROMISE(comma != std::string::npos);
      values.push_back(rows[i].substr(comma + 1));
      const auto x =
          static_cast<float>(static_cast<long double>(i) / (static_cast<long double>(n) * f));
      if (std::isfinite(x)) FUZZ_PROMISE(rows[i].substr(0, comma) == Exponent(x));
    }
  } else {
    FUZZ_PROMISE(bytes.size() == AmplitudeCsvSize(wave));
    FUZZ_PROMISE(bytes.compare(0, 11, "Amplitude\r\n") == 0);
    values = Lines(bytes, 1);
    FUZZ_PROMISE(values.size() == n);
  }
  for (unsigned i = 0; i < n; ++i)
    if (std::isfinite(samples[i])) FUZZ_PROMISE(values[i] == Printed("%.5f", samples[i]));
  if (finite && n >= 2) ReadBack(bytes, values);
  return 0;
}
