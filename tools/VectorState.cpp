#include "tools/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
namespace {
__attribute__((target("avx"))) void ZeroUpper() { __builtin_ia32_vzeroupper(); }
const bool kHasAvx = __builtin_cpu_supports("avx");
}  // namespace

void ClearUpperVectorState() {
  if (kHasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif
