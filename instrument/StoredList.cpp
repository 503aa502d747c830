#include "instrument/StoredList.h"

#include "instrument/LinkState.h"

CString WithoutListKeyword(const CString& reply) {
  CString text = reply;
  text.TrimLeft("STL");
  text.TrimLeft("stl");
  text.TrimLeft(' ');
  return text;
}

void ParseStoredPairs(const CString& text, bool trimEveryName) {
  if (text.IsEmpty() || text.Find(',') < 1) return;
  auto trimmedName = [&](CString name) {
    if (trimEveryName || name != " ") name.Trim(' ');
    return name;
  };
  CString rest = text;
  bool position = true;
  for (std::size_t row = 0; !rest.IsEmpty() && row < g_StoredWaves.size();) {
    const int comma = rest.Find(',');
    if (comma < 1) {
      g_StoredWaves[row].name = trimEveryName ? trimmedName(rest) : rest;
      return;
    }
    CString token = rest.Left(comma);
    rest = rest.Mid(comma + 1);
    if (position) {
      token.Trim(' ');
      g_StoredWaves[row].position = token;
    } else {
      g_StoredWaves[row++].name = trimmedName(token);
    }
    position = !position;
  }
}

bool IsStoredWaveName(const CString& name, bool ignoreCase) {
  CString trimmed = name;
  trimmed.Trim(' ');
  if (ignoreCase) trimmed.MakeUpper();
  return !trimmed.IsEmpty() && trimmed != "EMPTY" && trimmed != "NULL";
}
