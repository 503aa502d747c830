// libFuzzer entry: a read-back of a stored waveform over VISA, the rest of
// the input being the generator's responses to the parameter request and to
// the data request (fuzz/instrument/ScriptedUsbtmc.h), for the family and
// name the first byte picks. Promises: a read-back that fails keeps the last
// waveform and the point counts as they were; one that succeeds holds two
// or more samples under the name it read, and sets the transfer's point
// count, if at all, to the samples it holds. Each input allocates the
// protocol's reply buffer of 40 MiB, so this target runs slowly.

#include <cstdint>
#include <iterator>

#include "fuzz/FuzzSupport.h"
#include "fuzz/instrument/QuietServices.h"
#include "fuzz/instrument/ScriptedUsbtmc.h"
#include "instrument/InstrumentLink.h"
#include "waveform/WaveGlobals.h"

namespace {

constexpr const char* kTags[] = {
    "USBTMCKRV1000",  "USBTMCKRV1000X",   "USBTMCKRV5000", "USBTMCKRV2000", "USBTMCKRV6000X",
    "USBTMCKRP1000X", "USBTMCKRP1000X-E", "USBTMCKRP2",    "USBTMCKRV800",  "USBTMC"};

void ReadBack(fuzz::Bytes& in) {
  const std::uint8_t choice = in.Byte();
  const CString tag = kTags[choice % std::size(kTags)];
  const CString name = choice & 0x80 ? "user:abc" : "sine";
  g_StoredWaves[0] = {"M50", "sine"};
  g_LastReadWave.name = "before";
  g_LastReadWave.samples.SetSize(3, TRUE);
  instrumentfuzz::ScriptedSession session(in);
  CInstrumentLink link;
  const LONG transferPoints = g_TransferPoints;
  const int pointCount = g_nPointCount;
  if (!link.ReadWaveFromGenerator(name, tag)) {
    FUZZ_PROMISE(g_LastReadWave.name == "before" && g_LastReadWave.samples.GetSize() == 3);
    FUZZ_PROMISE(g_TransferPoints == transferPoints && g_nPointCount == pointCount);
    return;
  }
  const unsigned n = g_LastReadWave.samples.GetSize();
  FUZZ_PROMISE(n >= 2 && g_LastReadWave.name == (choice & 0x80 ? "abc" : "sine"));
  FUZZ_PROMISE(g_TransferPoints == transferPoints || g_TransferPoints == static_cast<LONG>(n));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const instrumentfuzz::LinkInput start;
  fuzz::Bytes in(data, size);
  ReadBack(in);
  return 0;
}
