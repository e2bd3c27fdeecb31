#!/usr/bin/env bash
# Counts the test cases of a build: every QTest function, and every data row
# of those that are data-driven. count_tests.sh [BUILD_DIR]  (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
export QT_QPA_PLATFORM=offscreen
functions=0
rows=0
for binary in "$dir"/tests/test_*; do
  [ -x "$binary" ] && [ -f "$binary" ] || continue
  f=$("$binary" -functions 2>/dev/null | grep -c '()$' || true)
  # -datatags prints "Class function tag" for each row and "Class function"
  # for a function without rows.
  r=$("$binary" -datatags 2>/dev/null | awk 'NF >= 3' | wc -l)
  printf '%-40s %4d functions %5d rows\n' "$(basename "$binary")" "$f" "$r"
  functions=$((functions + f))
  rows=$((rows + r))
done
echo "total: $functions functions + $rows rows = $((functions + rows)) test cases"
