// Opening and saving a waveform of 20,971,520 samples: the BIN reader
// against numpy.fromfile plus the scaling to float, the CSV reader against
// pandas' read_csv (C engine) on the same "xpos,value" file, and both CSV
// writers against a C loop writing the same text with fprintf. Ours and the
// anchor alternate, the best of several runs counts, files stay in the page
// cache. Each path prints one line: path ratio goal.
#include "platform/afx/CrtScan.h"
#include "waveform/files/BinWaveReader.h"
#include "waveform/files/CsvWriters.h"
#include "waveform/files/WaveFileOpen.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr unsigned kSamples = 20971520;
constexpr int kRounds = 3;

double Seconds(const std::function<void()>& body) {
  const auto start = std::chrono::steady_clock::now();
  body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The anchor script's time for one run, or NAN when it cannot run.
double AnchorSeconds(const char* kind, const std::string& path) {
  const std::string command =
      "/usr/bin/python3 " PELMORAN_BENCH_DIR "/files_anchor.py " + std::string(kind) + " " + path;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return NAN;
  double seconds = NAN;
  if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = NAN;
  pclose(pipe);
  return seconds;
}

void Report(const char* path, double ours, double anchor, double goal) {
  std::fprintf(stderr, "%-16s ours %.3f s, anchor %.3f s\n", path, ours, anchor);
  std::printf("%s %.3f %.2f\n", path, ours / anchor, goal);
  std::fflush(stdout);
}

// The same text as the writers, by fprintf in a C loop (a blank in place of
// the third exponent digit the C library does not write).
void FprintfHeaderCsv(const CWaveData& wave, const std::string& head, const char* path) {
  FILE* file = std::fopen(path, "wb");
  std::fputs(head.c_str(), file);
  const unsigned n = wave.thedata.GetSize();
  const float* samples = wave.thedata.GetData();
  const auto f = static_cast<float>(wave.freq);
  const long double span = static_cast<long double>(n) * f;
  for (unsigned i = 0; i < n; ++i)
    std::fprintf(file, "%e,%0.5f\r\n",
                 static_cast<double>(static_cast<float>(static_cast<long double>(i) / span)),
                 static_cast<double>(samples[i]));
  std::fclose(file);
}

void FprintfAmplitudeCsv(const CWaveData& wave, const char* path) {
  FILE* file = std::fopen(path, "wb");
  std::fputs("Amplitude\r\n", file);
  const float* samples = wave.thedata.GetData();
  for (unsigned i = 0; i < wave.thedata.GetSize(); ++i)
    std::fprintf(file, "%0.5f\r\n", static_cast<double>(samples[i]));
  std::fclose(file);
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pelmoran-bench-files-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string bin = (folder / "wave.bin").string(), csv = (folder / "wave.csv").string(),
                    amplitude = (folder / "amplitude.csv").string(),
                    anchorCsv = (folder / "anchor.csv").string();

  // A waveform as a scope would give it: a sine with some noise, 16-bit.
  std::vector<short> words(kSamples);
  for (unsigned i = 0; i < kSamples; ++i)
    words[i] = static_cast<short>(std::lround(30000.0 * std::sin(i * 0.000731) + (i * 7919) % 61));
  std::ofstream(bin, std::ios::binary)
      .write(reinterpret_cast<const char*>(words.data()), 2 * words.size());

  CWaveData wave;
  if (!ReadBinWaveFile(bin.c_str(), "wave", wave).ok()) return 1;
  wave.freq = 1000.0;
  wave.frequnit = 2;

  // Open a BIN file.
  double ours = 1e30, anchor = 1e30;
  for (int r = 0; r < kRounds; ++r) {
    ours = std::min(ours, Seconds([&] {
                      CWaveData read;
                      ReadBinWaveFile(bin.c_str(), "wave", read);
                    }));
    anchor = std::min(anchor, AnchorSeconds("bin", bin));
  }
  Report("open_bin", ours, anchor, 1.2);

  // Save both CSV layouts.
  const std::string head = HeaderCsvHead(wave);
  ours = anchor = 1e30;
  for (int r = 0; r < kRounds; ++r) {
    ours = std::min(ours, Seconds([&] { WriteHeaderCsvFile(wave, csv.c_str()); }));
    anchor = std::min(anchor, Seconds([&] { FprintfHeaderCsv(wave, head, anchorCsv.c_str()); }));
  }
  Report("save_header_csv", ours, anchor, 0.5);
  ours = anchor = 1e30;
  for (int r = 0; r < kRounds; ++r) {
    ours = std::min(ours, Seconds([&] { WriteAmplitudeCsvFile(wave, amplitude.c_str()); }));
    anchor = std::min(anchor, Seconds([&] { FprintfAmplitudeCsv(wave, anchorCsv.c_str()); }));
  }
  Report("save_amplitude_csv", ours, anchor, 0.5);

  // Open an "xpos,value" CSV (the header CSV just written).
  ours = anchor = 1e30;
  for (int r = 0; r < kRounds; ++r) {
    ours = std::min(ours, Seconds([&] {
                      CWaveData read;
                      ReadWaveFile(WaveFileKind::Csv, csv.c_str(), "wave", read);
                    }));
    anchor = std::min(anchor, AnchorSeconds("csv", csv));
  }
  Report("open_xpos_value_csv", ours, anchor, 0.3);

  std::filesystem::remove_all(folder);
  return 0;
}
