#pragma once
// What the instrument dialogs ask of the program's main window (an MDI
// frame): private messages, a waveform's window brought to the top, and a
// window opened for a new waveform.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"

// Sends a private message to the main window; nothing when there is none.
void SendToMainWindow(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Activates the waveform window whose title is `name`, when there is one.
void ActivateWaveWindow(const CString& name);

// Opens a window for the newest waveform through the document manager, then
// has the new active view replot it (WM_WAVE_REPLOT).
void OpenWaveWindowAndReplot();
