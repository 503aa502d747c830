#!/usr/bin/env bash
# Builds everything and starts the editor.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/app/pelmoran ]; then
  exec build/app/pelmoran "$@"
fi
echo "run.sh: build/app/pelmoran was not built (PELMORAN_GUI off?); see README.md."
exit 1
