#pragma once
// The library's diagnostic channel: a trace record is built at the few
// places that swallow an error and then dropped; nothing is written.

#include "platform/win/WinTypes.h"

#include <string>

namespace SG {

struct CSgTraceRecord {
  CSgTraceRecord(const char* file, int line, const char* function, int a, int b)
      : sourceFile(file), line(line), function(function), reserved1(a), reserved2(b) {}
  std::string sourceFile;
  int line;
  std::string function;
  int reserved1;
  int reserved2;
};

struct CRArarirDefaultTraceCategory {
  char unused = 0;
};

// A process-wide instance created on first use, safe against concurrent
// first use (an interlocked state word: 0 none, 1 creating, 2 created).
template <class T>
class sg_singleton {
 public:
  virtual ~sg_singleton() {
    delete s_instance;
    s_instance = nullptr;
  }
  static T* Instance() {
    if (!s_created) Create();
    return s_instance;
  }

 private:
  static void Create();
  static inline T* s_instance = nullptr;
  static inline volatile bool s_created = false;
  static inline volatile bool s_failed = false;
  static inline volatile LONG s_state = 0;
};

CRArarirDefaultTraceCategory* GetDefaultTraceCategory();

// Builds and drops a record of a swallowed error (file, line, function).
void TraceSwallowed(const char* file, int line, const char* function);
// For a catch-all in a destructor: ends the exception being handled (a
// framework exception's text is read first, then it is deleted) and traces
// it at frameworkLine, any other exception at otherLine. Never throws.
void SwallowCurrentException(const char* file, int frameworkLine, int otherLine,
                             const char* function) noexcept;

}  // namespace SG
