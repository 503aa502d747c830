// libFuzzer entry: the parameter replies the link parses. The first byte
// picks what gets the rest:
//  - the generator's "WVPR?" reply (CInstrumentLink::ParseWaveParams);
//  - one field of an oscilloscope's reply (LastFieldValue, as a value or a
//    sample count);
//  - the oscilloscope's scale, offset, time-base, sample-rate and channel
//    queries over VISA, the rest being the instrument's responses.
// Promises: a parameter parse leaves the stored-waveform list alone and sets
// only the units the reply names; a normalised field is the field itself or
// a number text read whole (an infinity aside); a channel count is one
// character at most. The read-back that asks for the parameters has a target
// of its own (ReadBackFuzz.cpp): its reply buffer makes it slow.

#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "fuzz/instrument/QuietServices.h"
#include "fuzz/instrument/ScriptedUsbtmc.h"
#include "instrument/InstrumentLink.h"
#include "platform/afx/CrtScan.h"
#include "platform/afx/Exception.h"
#include "waveform/WaveGlobals.h"

namespace {

CString Text(fuzz::Bytes& in) {
  // Replies reach the parsers as C strings: they end at a NUL.
  const char* text = reinterpret_cast<const char*>(in.Rest());
  std::size_t n = 0;
  while (n < in.Left() && text[n]) ++n;
  return CString(text, static_cast<int>(n));
}

void WaveParams(fuzz::Bytes& in) {
  g_StoredWaves[0] = {"M50", "sine"};
  const LastReadWave before = g_LastReadWave;
  CInstrumentLink::ParseWaveParams(Text(in));
  FUZZ_PROMISE(g_StoredWaves[0].position == "M50" && g_StoredWaves[0].name == "sine");
  FUZZ_PROMISE(g_StoredWaves[1].position.IsEmpty() && g_StoredWaves[1].name.IsEmpty());
  const LastReadWave& after = g_LastReadWave;
  FUZZ_PROMISE(after.frequencyUnit == before.frequencyUnit || after.frequencyUnit == 2);
  FUZZ_PROMISE(after.amplitudeUnit == before.amplitudeUnit || after.amplitudeUnit == 0);
  FUZZ_PROMISE(after.offsetUnit == before.offsetUnit || after.offsetUnit == 0);
  FUZZ_PROMISE(after.periodUnit == before.periodUnit || after.periodUnit == 1 ||
               after.periodUnit == 2);
  FUZZ_PROMISE(after.name == before.name && after.samples.GetSize() == 0);
}

void ReplyField(fuzz::Bytes& in, bool sampleCount) {
  const CString reply = Text(in);
  CString value;
  CInstrumentLink::LastFieldValue(reply, value, sampleCount);
  if (reply.Find(value) >= 0) return;  // the field as it came (a zero without units)
  // A number beyond a double's range is written as the platform's runtime
  // writes an infinity ("1.#INF00"), which is no number text.
  if (value.Find('#') >= 0) return;
  char* end = nullptr;
  CrtStrtod(value, &end);
  FUZZ_PROMISE(end == static_cast<const char*>(value) + value.GetLength());
}

// Runs one query; a query that gives up raises the abort exception, which
// its callers catch.
template <class Query>
void Guarded(Query query) {
  try {
    query();
  } catch (CException* e) {
    e->Delete();
  }
}

void ScopeQueries(fuzz::Bytes& in) {
  instrumentfuzz::ScriptedSession session(in);
  CInstrumentLink link;
  Guarded([&] { link.QueryVdivVisa("C1"); });
  Guarded([&] { link.QueryOfstVisa("C1"); });
  Guarded([&] { link.QueryTdivVisa(); });
  Guarded([&] { link.QuerySampleRateVisa(); });
  Guarded([&] {
    const CString channels = link.QueryChannelCount(instrumentfuzz::kScriptedResource);
    FUZZ_PROMISE(channels.GetLength() <= 1);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const instrumentfuzz::LinkInput start;
  fuzz::Bytes in(data, size);
  switch (in.Byte() % 4) {
    case 0: WaveParams(in); break;
    case 1: ReplyField(in, false); break;
    case 2: ReplyField(in, true); break;
    default: ScopeQueries(in); break;
  }
  return 0;
}
