#!/usr/bin/env bash
# Sets everything up, builds a release binary and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec ./build/bin/skhemar
