#include "platform/win/Sleep.h"

#include "platform/services/Services.h"

void Sleep(DWORD milliseconds) { services::Current().Sleep(milliseconds); }
DWORD GetTickCount() { return static_cast<DWORD>(services::Current().TickCount()); }
ULONGLONG GetTickCount64() { return services::Current().TickCount(); }
