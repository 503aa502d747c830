#pragma once
// Pauses and tick counts. Every one goes through the services in place
// (platform/services/Services.h), so tests run instrument waits and start-up
// pauses without sleeping.

#include "platform/win/WinTypes.h"

void Sleep(DWORD milliseconds);
DWORD GetTickCount();  // wraps after 49.7 days, as on the platform
ULONGLONG GetTickCount64();
