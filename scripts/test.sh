#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite (the release build
# treats compiler warnings as errors).
#   scripts/test.sh             release build in build/
#   scripts/test.sh --sanitize  clang build with AddressSanitizer and UndefinedBehaviorSanitizer in
#                               build-sanitize/: the same suite, plus a short run of every fuzz target
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/setup.sh clang libclang-rt-dev
  CC=clang CXX=clang++ bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSKHEMAR_SANITIZE=ON -DSKHEMAR_FUZZ=ON -DSKHEMAR_BUILD_BENCHMARKS=OFF
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
else
  bash scripts/setup.sh
  bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DSKHEMAR_WARNINGS_AS_ERRORS=ON
  ctest --test-dir build --output-on-failure --parallel "$(nproc)"
fi
