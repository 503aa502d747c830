#!/usr/bin/env bash
# The program as a process under AddressSanitizer: its ways out (menu, close
# box, a failed start) and its rest. The sanitizer build of scripts/test.sh
# is taken on with the windows switched on: its libraries without windows
# are already compiled, so only the window side, the program and that test
# are built here.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DPELMORAN_SANITIZE=ON -DPELMORAN_GUI=ON -DPELMORAN_BENCH=OFF >/dev/null
cmake --build build-asan -j "$(nproc)" --target pelmoran pelmoran_process_tests
ctest --test-dir build-asan --output-on-failure -L pelmoran_process_tests
