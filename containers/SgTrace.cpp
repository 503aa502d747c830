#include "containers/SgTrace.h"

#include "platform/afx/Exception.h"
#include "platform/win/Interlocked.h"
#include "platform/win/Sleep.h"

namespace SG {

template <class T>
void sg_singleton<T>::Create() {
  const LONG old = InterlockedExchange(&s_state, 1);
  if (old == 0) {
    s_failed = false;
    try {
      s_instance = new T;
    } catch (...) {
      s_failed = true;
      InterlockedExchange(&s_state, 0);
      throw;
    }
    s_created = true;
    InterlockedExchange(&s_state, 2);
  } else if (old == 1) {
    // Another thread is creating it: wait until it is there or has failed.
    while (!s_created) {
      if (s_failed) return;
      Sleep(0);
    }
  } else {
    InterlockedExchange(&s_state, 2);
  }
}

template class sg_singleton<CRArarirDefaultTraceCategory>;

CRArarirDefaultTraceCategory* GetDefaultTraceCategory() {
  static sg_singleton<CRArarirDefaultTraceCategory> holder;
  return holder.Instance();
}

void TraceSwallowed(const char* file, int line, const char* function) {
  GetDefaultTraceCategory();
  CSgTraceRecord record(file, line, function, 0, 0);
  (void)record;
}

void SwallowCurrentException(const char* file, int frameworkLine, int otherLine,
                             const char* function) noexcept {
  try {
    try {
      throw;
    } catch (CException* e) {
      char text[512] = {0};
      e->GetErrorMessage(text, sizeof text);
      e->Delete();
      TraceSwallowed(file, frameworkLine, function);
    } catch (...) {
      TraceSwallowed(file, otherLine, function);
    }
  } catch (...) {
    // Tracing itself failed (no memory): nothing more can be done here.
  }
}

}  // namespace SG
