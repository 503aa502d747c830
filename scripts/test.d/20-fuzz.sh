#!/usr/bin/env bash
# Fuzzes the expression parser's compile-and-evaluate path for a bounded time
# under AddressSanitizer and UndefinedBehaviorSanitizer; fails on any finding.
# The checked-in seed corpus is copied, never changed; a finding is left in
# build-fuzz-parser/findings for turning into a corpus file and a test.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
build=build-fuzz-parser
seconds=${PARSER_FUZZ_SECONDS:-60}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DPELMORAN_FUZZ=ON -DPELMORAN_SANITIZE=ON -DPELMORAN_GUI=OFF \
  -DPELMORAN_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target parser_fuzz

corpus="$build/corpus"
findings="$build/findings"
rm -rf "$corpus" "$findings"
mkdir -p "$corpus" "$findings"
cp fuzz/parser/corpus/* "$corpus"/
"$build/fuzz/parser/parser_fuzz" -max_total_time="$seconds" -timeout=20 \
  -rss_limit_mb=2048 -max_len=512 -print_final_stats=1 \
  -dict=fuzz/parser/parser.dict \
  -artifact_prefix="$findings/" "$corpus"
