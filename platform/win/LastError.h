#pragma once
// The calling thread's last Win32 error code, as the platform keeps it.

#include "platform/win/WinTypes.h"

DWORD GetLastError();
void SetLastError(DWORD error);
