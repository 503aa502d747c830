#!/usr/bin/env bash
# The program built with clang, windows included, so that nothing the other
# compiler accepts and clang refuses gets in, and the tests of the code
# without windows run on clang's code (the vector clones and lanes live
# there and in the program's own libraries). The tests of the windows are
# compiled by the normal build only: compiling them twice would double the
# time of the run. Release without debug information and without the
# benchmarks.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
build=build-clang
jobs=$(nproc)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DPELMORAN_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target pelmoran core_tests
labels=$(paste -sd '|' "$build/core_tests.txt")
(cd "$build" && ctest --output-on-failure -j "$jobs" -L "^($labels)\$")
