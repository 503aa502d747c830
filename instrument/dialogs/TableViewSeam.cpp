#include "instrument/dialogs/TableViewSeam.h"

namespace {

TableViewOpener& Opener() {
  static TableViewOpener opener;
  return opener;
}

}  // namespace

void SetTableViewOpener(TableViewOpener opener) { Opener() = std::move(opener); }

void OpenTableView() {
  if (Opener()) Opener()();
}
