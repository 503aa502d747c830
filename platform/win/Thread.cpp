#include "platform/win/Thread.h"

#include <sys/syscall.h>
#include <unistd.h>

DWORD GetCurrentThreadId() {
  thread_local const DWORD id = static_cast<DWORD>(::syscall(SYS_gettid));
  return id;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }
