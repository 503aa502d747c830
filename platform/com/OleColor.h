#pragma once
// OLE colours. An OLE_COLOR is a plain RGB COLORREF (0x00bbggrr), a palette
// index (0x01 in the top byte), a palette-relative RGB (0x02) or a system
// colour index (0x80). The current values of the system colours belong to
// the window system, which installs its lookup (GetSysColor) at start-up.

#include "platform/win/WinTypes.h"

using COLORREF = DWORD;
using OLE_COLOR = DWORD;

// The platform's translation as it is called without a palette (the palette
// argument must be null): plain and palette-relative RGB give their RGB
// value, a system colour the installed lookup's value. Palette indices,
// unknown forms, system indices beyond the last system colour, and system
// colours while no lookup is installed give E_INVALIDARG.
HRESULT OleTranslateColor(OLE_COLOR color, void* palette, COLORREF* result);

using SystemColorLookup = COLORREF (*)(int index);
// Installs the system colours' lookup; returns the previous one.
SystemColorLookup SetSystemColorLookup(SystemColorLookup lookup);
