#pragma once
// The instrument transfers as the main frame's Communication menu and the
// coordinate bar's buttons start them: each records its direction in the
// link-state globals (instrument/LinkState.h) and runs the connection
// dialog, whose OK leads to the send, read or import dialog.

// Send (1), the import flag cleared.
void StartSendToGenerator();
// Read (0), the import flag cleared.
void StartReadFromGenerator();
// The import flag set; the direction stays.
void StartImportFromScope();
// The step-by-step protocol test dialog.
void RunStepTest();
