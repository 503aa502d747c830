#pragma once
// Thread and process identities with the platform's meaning: non-zero,
// unique among live threads (a finished thread's id may come back).

#include "platform/win/WinTypes.h"

DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
