#!/usr/bin/env bash
# The program as a process under AddressSanitizer: its ways out (menu, close
# box, a failed start) and its rest, in a build of its own with the windows,
# where only the program and that test are built.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
cmake -S . -B build-program-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DPELMORAN_SANITIZE=ON -DPELMORAN_GUI=ON -DPELMORAN_BENCH=OFF >/dev/null
cmake --build build-program-asan -j "$(nproc)" --target pelmoran pelmoran_process_tests
ctest --test-dir build-program-asan --output-on-failure -L pelmoran_process_tests
