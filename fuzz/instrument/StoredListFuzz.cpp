// libFuzzer entry: the generators' stored-waveform list replies, as the link
// keeps them (CInstrumentLink::ParsePositionList) and as the dialogs take them
// (the keyword dropped, positions and names trimmed). The first byte picks
// the parse, the rest is the reply. Promises: the link's list holds the
// reply's tokens as they came, so joined again with commas they give the
// reply back (less one comma at its end, or a prefix when the 200 rows are
// full); the dialogs' parse keeps no blank at either end of what it trimmed
// and counts no free-slot word as a waveform; a name lookup finds the first
// row of that name.

#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "instrument/InstrumentLink.h"
#include "instrument/StoredList.h"

namespace {

bool Trimmed(const CString& text) {
  return text.IsEmpty() || (text[0] != ' ' && text[text.GetLength() - 1] != ' ');
}

// The rows joined as the reply carried them: a row with a position is
// "position,name", one without holds the reply's last token in its name.
std::string Joined() {
  std::string joined;
  for (const StoredWaveEntry& row : g_StoredWaves) {
    if (row.position.IsEmpty() && row.name.IsEmpty()) break;
    if (!joined.empty()) joined += ',';
    if (!row.position.IsEmpty()) joined += std::string(row.position) + ',';
    joined += std::string(row.name);
  }
  return joined;
}

void LinkList(const std::string& reply) {
  CInstrumentLink::ParsePositionList(CString(reply.data(), static_cast<int>(reply.size())));
  const std::string joined = Joined();
  if (reply.empty() || reply.find(',') == std::string::npos || reply[0] == ',') {
    FUZZ_PROMISE(joined.empty());
    return;
  }
  const bool full = !g_StoredWaves.back().name.IsEmpty();
  FUZZ_PROMISE(reply == joined || (full ? reply.compare(0, joined.size() + 1, joined + ',') == 0
                                        : reply == joined + ','));
  // The lookup answers with the first row that carries the name.
  const CString& name = g_StoredWaves[0].name;
  FUZZ_PROMISE(CInstrumentLink::FindStoredPosition(name) == g_StoredWaves[0].position);
}

void DialogList(const std::string& reply, bool trimEveryName) {
  g_StoredWaves = {};
  const CString text = WithoutListKeyword(CString(reply.data(), static_cast<int>(reply.size())));
  FUZZ_PROMISE(text.IsEmpty() || text[0] != ' ');
  ParseStoredPairs(text, trimEveryName);
  for (const StoredWaveEntry& row : g_StoredWaves) {
    FUZZ_PROMISE(Trimmed(row.position));
    if (trimEveryName) FUZZ_PROMISE(Trimmed(row.name));
    if (IsStoredWaveName(row.name, true)) {
      CString word = row.name;
      word.Trim(' ');
      word.MakeUpper();
      FUZZ_PROMISE(!word.IsEmpty() && word != "EMPTY" && word != "NULL");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Replies reach the parsers as C strings: they end at a NUL.
  std::string reply(reinterpret_cast<const char*>(data + 1), size - 1);
  reply.resize(std::min(reply.size(), reply.find('\0')));
  switch (data[0] % 3) {
    case 0: LinkList(reply); break;
    case 1: DialogList(reply, true); break;
    default: DialogList(reply, false); break;
  }
  return 0;
}
