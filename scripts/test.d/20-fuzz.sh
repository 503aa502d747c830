#!/usr/bin/env bash
# Fuzzes every target that fuzz/ registers (pelmoran_fuzz_target) under
# AddressSanitizer and UndefinedBehaviorSanitizer: first a replay of its
# checked-in corpus (every input once: deterministic, and fails on any input
# that breaks a promise), then a short run from that corpus of FUZZ_SECONDS
# (8 by default) each, which catches what a change opened near the seeds.
# The targets run side by side, one a core; their logs follow in order.
# The corpus itself is never changed; a finding is left in
# build-fuzz/findings/<target>-* for turning into a corpus file and a test.
# Longer runs are for a developer's machine (HACKING.md, "Fuzzing").
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
build=build-fuzz
seconds=${FUZZ_SECONDS:-8}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DPELMORAN_FUZZ=ON -DPELMORAN_SANITIZE=ON -DPELMORAN_GUI=OFF \
  -DPELMORAN_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

mapfile -t targets < <(grep -v '^\s*$' "$build/fuzz/targets.txt")
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no targets registered" >&2; exit 1; }

findings="$build/findings"
logs="$build/logs"
rm -rf "$findings" "$build/corpus" "$logs"
mkdir -p "$findings" "$logs"

# One target: the replay, then the run from its copy of the corpus. Its
# output goes to its own log; the status file says whether it failed.
fuzz_one() {
  local name=$1 program=$2 corpus=$3 options=$4
  local work="$build/corpus/$name"
  mkdir -p "$work"
  cp "$corpus"/* "$work"/
  {
    echo "== fuzz $name: replay of $(ls "$corpus" | wc -l) inputs, then ${seconds}s"
    # shellcheck disable=SC2086  # the options are separate words
    if "$program" -runs=0 -timeout=20 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$name-" $options "$corpus" &&
      "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" $options "$work"; then
      echo ok >"$logs/$name.status"
    else
      echo failed >"$logs/$name.status"
    fi
  } >"$logs/$name.log" 2>&1
}

# Each target runs on one core: as many at once as there are cores.
cores=$(nproc)
names=()
for line in "${targets[@]}"; do
  IFS=$'\t' read -r name program corpus options <<<"$line"
  names+=("$name")
  while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n || true; done
  fuzz_one "$name" "$program" "$corpus" "$options" &
done
wait

failed=()
for name in "${names[@]}"; do
  cat "$logs/$name.log"
  [ "$(cat "$logs/$name.status" 2>/dev/null)" = ok ] || failed+=("$name")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (see $findings)" >&2
  exit 1
fi
