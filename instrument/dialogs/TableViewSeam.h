#pragma once
// How the send dialog opens the table view (CTable_view, built with no parent
// and run modally) so the user can rename a waveform whose name the
// instrument already stores. The table view belongs to the shell, a library
// above this one, so the program hands the opener in at start-up; until it
// does, nothing opens.

#include <functional>

using TableViewOpener = std::function<void()>;

// Puts the opener in place (an empty one: nothing opens).
void SetTableViewOpener(TableViewOpener opener);
void OpenTableView();
