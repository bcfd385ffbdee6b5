#!/usr/bin/env bash
# Soak: many self-play matches under the address + undefined-behaviour
# sanitizers. Any sanitizer report aborts the run; any broken invariant makes
# selfplay exit non-zero.
#   tools/soak.sh [matches=100000]
set -euo pipefail
cd "$(dirname "$0")/.."
matches=${1:-100000}
cmake --preset asan >/dev/null
cmake --build --preset asan --target selfplay
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
start=$(date +%s)
./build/asan/bin/selfplay "$matches" 1 100
echo "soak: $matches matches under the sanitizers in $(( $(date +%s) - start )) s"
