#pragma once
// The running program's file and its folder, from which the program finds
// its language files, help pages and equation history.

#include "platform/win/WinTypes.h"

#include <string>

// The program's full path (module is ignored: there is one module). At most
// size - 1 bytes and a NUL are written; returns the count without the NUL,
// or 0 when the path cannot be found.
DWORD GetModuleFileName(void* module, LPSTR out, DWORD size);

// The program's folder: its path up to and including the last '/'.
std::string ProgramFolder();

// Tests stand a program path of their own in for the real one; an empty
// path puts the real one back.
void SetModuleFileNameOverride(const std::string& path);
