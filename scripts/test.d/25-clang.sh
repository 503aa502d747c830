#!/usr/bin/env bash
# The whole tree (windows included) built with clang and its tests run, so
# that nothing the other compiler accepts and clang refuses gets in. Release
# without debug information and without the benchmarks: the GCC build runs
# those, and this step only has to see every file compile and every test
# pass.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
build=build-clang
jobs=$(nproc)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DPELMORAN_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"
(cd "$build" && ctest --output-on-failure -j "$jobs")
