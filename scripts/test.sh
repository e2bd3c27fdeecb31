#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite.
#   scripts/test.sh             release build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKHEMAR_SANITIZE=ON \
    -DSKHEMAR_BUILD_BENCHMARKS=OFF
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
else
  bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
  ctest --test-dir build --output-on-failure --parallel "$(nproc)"
fi
