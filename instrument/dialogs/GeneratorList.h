#pragma once
// The generators a search found, as the send and read dialogs list them:
// one entry "model.serial.handle" per row in use whose family is known, the
// raw-USB rows first.
// Each entry carries its table and row, so the chosen generator is the row
// of that entry, however the list sorts and whatever the serials hold.

#include "platform/window/WindowSide.h"

#include "instrument/LinkState.h"
#include "platform/window/Controls.h"

#include <optional>

class CInstrumentLink;

struct ChosenGenerator {
  const GeneratorEntry* row = nullptr;
  int index = 0;  // the row's index in its table
  bool rawUsb = false;
  int handle = 0;  // the raw-USB device index or the VISA session
  const CString& Tag() const { return row->tag; }
};

// Fills the list with the generators of a known family and selects its
// first entry.
void FillGeneratorList(CComboBox& list);
// How many entries that list gets.
int OfferedGeneratorCount();

// The generator of the selected entry; none when nothing is selected.
std::optional<ChosenGenerator> ChosenGeneratorOf(const CComboBox& list);

// Makes the chosen generator the one the link talks to: the current raw-USB
// device, or the VISA session every VISA call goes to.
void SelectGenerator(CInstrumentLink& link, const ChosenGenerator& chosen);

// Closes the VISA session of every row of the VISA generator table: the
// sessions the search opened.
void CloseSearchSessions();
