#pragma once
// The waveform window the user works in: the main window's active
// multiple-document child, and its caption, by which every dialog finds the
// waveform's record (waveform/WaveStore.h FindWaveIndex). Also the texts
// by id every shell window shows, through the services in place (the
// program's translator behind them, a test's table).

#include "platform/afx/String.h"
#include "platform/window/WinUser.h"

class CMDIChildWnd;

// The main window's active child frame; null when no waveform window is
// open or the main window is no multiple-document frame.
CMDIChildWnd* ActiveChildFrame();
// Its caption as it stands; empty without one.
CString ActiveChildTitle();

// The translated text of an id (empty when the language files have none).
CString ShellText(int id);
// The text of an id with "##" replaced by `fill`.
CString ShellTextFilled(int id, const CString& fill);
// Shows the text of an id in an OK box owned by `owner`.
void ShowShellMessage(int id, HWND owner = nullptr, const CString& fill = CString());
