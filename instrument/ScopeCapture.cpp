// Raw-USB oscilloscope capture (one channel, thinned to about 300 byte
// codes), the screen dump to a bitmap file, and three small routines.
#include "instrument/InstrumentLink.h"

#include "instrument/LinkServices.h"
#include "platform/afx/CrtScan.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr std::size_t kCaptureCodeStart = 13;
constexpr int kCapturePoints = 300;
constexpr int kCaptureReads = 10;

std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("./") : exe.parent_path().string() + "/";
}

}  // namespace

int CInstrumentLink::ReadScopeWaveUsb(const CString& channel, BYTE* out, std::size_t capacity,
                                      std::size_t* copied) {
  if (copied) *copied = 0;
  SendUsbCommand("WFCLR SRC," + channel);
  PollAfterCommand(false);
  int n = SetupUsbWaveformRead(channel);
  SendUsbCommand(channel + ":WF?");
  PollAfterCommand(true);
  auto& buffer = g_ScopeAcqBuffer;
  buffer.fill(0);
  // A payload that is itself a frame head is read again; anything else ends
  // the reads (a refused or missing frame leaves nothing to copy).
  std::size_t len = 0;
  bool taken = false;
  for (int i = 0; i < kCaptureReads; ++i) {
    UsbRead outcome;
    len = ReadUsbData(buffer.data(), buffer.size(), &outcome);
    if (outcome != UsbRead::FrameHead) {
      taken = true;
      break;
    }
    linkio::Pause(100);
  }
  if (!taken) return kCapturePoints;
  // A count below 300 would give a step of 0, which never advances.
  std::size_t step = static_cast<std::size_t>(std::max(n, kCapturePoints) / kCapturePoints);
  std::size_t o = 0;
  for (std::size_t i = kCaptureCodeStart; i < len && o < capacity; i += step) out[o++] = buffer[i];
  if (copied) *copied = o;
  return kCapturePoints;
}

bool CInstrumentLink::ScreenDump(const CString& path) {
  screenDumpDone = false;
  SendUsbCommand("SCDP");
  PollAfterCommand(false);
  std::string target = path.IsEmpty() ? ProgramFolder() + "Lumitor.bmp" : std::string(path);
  // The file always has the bitmap's full size; a longer frame is refused.
  auto& bitmap = g_ScreenDumpBuffer;
  bitmap.fill(0);
  if (ReadUsbData(bitmap.data(), bitmap.size()) == 0) return screenDumpDone;
  if (target.find(".bmp") == std::string::npos) target += ".bmp";
  std::FILE* file = std::fopen(target.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(bitmap.data(), 1, kScreenDumpBuffer, file) == kScreenDumpBuffer;
  written = std::fclose(file) == 0 && written;
  if (!written) {
    std::remove(target.c_str());
    return false;
  }
  screenDumpDone = true;
  return true;
}

CString CInstrumentLink::BuildSourceFrequencyCommand(const CString& a, const CString& b) {
  CString first = a, second = b;
  first.Trim(' ');
  second.Trim(' ');
  int blank = first.ReverseFind(' ');
  CString part = blank < 0 ? first : first.Mid(blank + 1);
  part = part.GetLength() > 2 ? part.Left(part.GetLength() - 2) : CString();
  double value = CrtStrtod(part, nullptr) + CrtStrtod(second, nullptr);
  CString command;
  command.Format("SOUR:FREQ %0.1fE6", value);
  return command;
}

bool CInstrumentLink::IsSingleGroup(const CString&, BYTE* a, const BYTE* b) {
  constexpr int kEntries = 65536;
  for (int i = 0; i < kEntries; ++i)
    if (a[i] != 0 && std::abs(static_cast<int>(b[i]) - static_cast<int>(a[i])) > 5) a[i] = 0;
  int last = -100, groups = 0;
  bool inside = false;
  for (int i = 0; i < kEntries; ++i) {
    bool nextZero = i + 1 >= kEntries || a[i + 1] == 0;  // past the end counts as 0
    if (a[i] == 0) {
      inside = false;
    } else if (!inside) {
      if (i - last > 15) ++groups;
      inside = true;
      if (nextZero) last = i;
    } else {
      last = i;
    }
  }
  return groups == 1;
}

int CInstrumentLink::HexPairToByte(const CString& text) {
  auto nibble = [](char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 0;
  };
  if (text.GetLength() < 2) return 0;
  return nibble(text[0]) * 16 + nibble(text[1]);
}
