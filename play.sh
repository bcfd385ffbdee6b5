#!/usr/bin/env bash
# Builds the game (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Vantrel needs a graphical desktop (set DISPLAY) to start." >&2
  exit 1
fi
exec ./build/release/bin/vantrel
