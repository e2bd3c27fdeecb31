#!/usr/bin/env bash
# Builds a release binary and prints every performance figure of the program:
# start-up and memory against a bare Qt window, the keystroke path on every
# page, and the reference searches on 100,000-line files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for benchmark in bench_startup bench_keystroke bench_reference_search; do
  echo "== $benchmark"
  "./build/bench/$benchmark" 2> >(grep -v -E 'propagateSizeHints|XDG_RUNTIME_DIR' >&2)
done
