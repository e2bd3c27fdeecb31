#!/usr/bin/env bash
# Configures and builds into the given folder: build.sh DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"; shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths relative to the checkout, so another clone of the tree reuses the cache.
  export CCACHE_BASEDIR="$PWD"
fi
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
cmake -S . -B "$dir" "${generator[@]}" "${launcher[@]}" "$@"
cmake --build "$dir" --parallel "$(nproc)"
