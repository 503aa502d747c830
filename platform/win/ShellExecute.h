#pragma once
// The shell's open action: a document opened with the desktop's application
// for it, through the services in place (platform/services/Services.h), so
// tests see what would have been opened.

#include "platform/win/WinTypes.h"

struct HWND__;
using HWND = HWND__*;

// Values above 32 mean the document's application was started; 2 (file not
// found) when the file does not exist; 31 (no association) when no opener
// could be started. Only the "open" operation is known; parameters and the
// show mode are accepted for the callers' sake.
INT_PTR ShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                     int show);
