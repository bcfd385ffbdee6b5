#!/usr/bin/env bash
# Builds the game (installing what is missing) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
