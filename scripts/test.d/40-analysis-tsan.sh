#!/usr/bin/env bash
# The analysis core's process-wide state (lock creation, the FFT work-block
# pool, the noise generator) under ThreadSanitizer: only the tests that race
# first uses from several threads, in a build of their own.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DPELMORAN_GUI=OFF -DPELMORAN_BENCH=OFF >/dev/null
cmake --build build-tsan -j "$(nproc)" --target analysis_core_tests analysis_fft_tests \
  analysis_generators_tests
TSAN_OPTIONS="halt_on_error=1" ctest --test-dir build-tsan --output-on-failure \
  -R 'ManyThreads|Concurrent' -L 'analysis_(core|fft|generators)_tests'
