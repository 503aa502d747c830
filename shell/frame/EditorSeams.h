#pragma once
// The lower libraries open a few windows of the libraries above them (the
// view opens the point-list dialog, the send dialog opens the table view);
// the program hands them the openers once, at start-up.

void InstallEditorSeams();
