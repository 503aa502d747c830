#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the
# sanitizer build of the libraries that have no windows. The normal build is
# the one scripts/run.sh starts: optimised, without debug information (which
# costs a third of the compile time).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DPELMORAN_SANITIZE=ON -DPELMORAN_GUI=OFF -DPELMORAN_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")

# Further checks of single subsystems (fuzzing, a real X display, interop
# with independent clients): one script each, run in name order.
for step in scripts/test.d/*.sh; do
  [ -e "$step" ] || continue
  echo "== $step"
  bash "$step"
done
