#include "instrument/dialogs/GeneratorList.h"

#include "instrument/InstrumentLink.h"
#include "platform/visa/Visa.h"
#include "waveform/NumberHelpers.h"

namespace {

// An entry's item data: the row, with the VISA table's rows after the
// raw-USB table's.
constexpr DWORD_PTR kVisaRows = kDeviceTableRows;

template <class F>
void ForEachRowInUse(const std::array<GeneratorEntry, kDeviceTableRows>& table, F&& f) {
  for (int i = 0; i < kDeviceTableRows && !table[static_cast<std::size_t>(i)].producer.IsEmpty();
       ++i)
    f(table[static_cast<std::size_t>(i)], i);
}

// The rows a transfer can use: those whose replies named a generator family.
// An instrument of no known family (an oscilloscope reached through VISA
// among them) has no slots, no list and no commands of its own.
template <class F>
void ForEachOfferedRow(F&& f) {
  auto offered = [&](DWORD_PTR first) {
    return [&f, first](const GeneratorEntry& row, int i) {
      if (!row.tag.IsEmpty()) f(row, first + static_cast<DWORD_PTR>(i));
    };
  };
  ForEachRowInUse(g_UsbGenerators, offered(0));
  ForEachRowInUse(g_VisaGenerators, offered(kVisaRows));
}

}  // namespace

void FillGeneratorList(CComboBox& list) {
  list.ResetContent();
  ForEachOfferedRow([&](const GeneratorEntry& row, DWORD_PTR data) {
    int at = list.AddString(row.model + "." + row.serial + "." + row.handle);
    if (at >= 0) list.SetItemData(at, data);
  });
  list.SetCurSel(0);
}

int OfferedGeneratorCount() {
  int count = 0;
  ForEachOfferedRow([&](const GeneratorEntry&, DWORD_PTR) { ++count; });
  return count;
}

std::optional<ChosenGenerator> ChosenGeneratorOf(const CComboBox& list) {
  const int at = list.GetCurSel();
  if (at < 0) return std::nullopt;
  const DWORD_PTR data = list.GetItemData(at);
  ChosenGenerator chosen;
  chosen.rawUsb = data < kVisaRows;
  chosen.index = static_cast<int>(chosen.rawUsb ? data : data - kVisaRows);
  if (chosen.index < 0 || chosen.index >= kDeviceTableRows) return std::nullopt;
  const auto& table = chosen.rawUsb ? g_UsbGenerators : g_VisaGenerators;
  chosen.row = &table[static_cast<std::size_t>(chosen.index)];
  chosen.handle = StrToInt(chosen.row->handle);
  return chosen;
}

void SelectGenerator(CInstrumentLink& link, const ChosenGenerator& chosen) {
  if (chosen.rawUsb)
    link.SelectUsbDevice(chosen.handle);
  else
    g_VisaInstrument = static_cast<ViSession>(chosen.handle);
}

void CloseSearchSessions() {
  ForEachRowInUse(g_VisaGenerators, [](const GeneratorEntry& row, int) {
    if (const int session = StrToInt(row.handle); session > 0)
      viClose(static_cast<ViObject>(session));
  });
}
