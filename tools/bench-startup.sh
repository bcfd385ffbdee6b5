#!/usr/bin/env bash
# Start-up benchmark: time from exec to the first painted frame of the first
# window, for the game and for a bare Qt window built the same way, side by
# side in one run under Xvfb; plus each program's peak resident memory.
#   tools/bench-startup.sh [runs=20] [build-dir=build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
bin=${2:-build/release}/bin
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display VANTREL_FIRST_PAINT_PROBE=1
home=$(mktemp -d); export HOME=$home XDG_CONFIG_HOME=$home/.config

measure() {  # program → one line per run: milliseconds and peak KiB
  local program=$1 i start paint kib out
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    out=$( { /usr/bin/time -f 'maxrss %M' "$program" ; } 2>&1 )
    paint=$(sed -n 's/^first-paint //p' <<<"$out")
    kib=$(sed -n 's/^maxrss //p' <<<"$out")
    echo "$(( (paint - start) / 1000 )) $kib"
  done
}

report() {  # name, lines of "µs KiB"
  sort -n | awk -v name="$1" '{ t[NR] = $1; m[NR] = $2 } END {
    printf "%-12s median %6.1f ms  min %6.1f ms  max %6.1f ms  peak RSS median %5.1f MB\n",
      name, t[int((NR + 1) / 2)] / 1000, t[1] / 1000, t[NR] / 1000, m[int((NR + 1) / 2)] / 1024 }'
}

measure "$bin/bare_window" | report "bare window"
measure "$bin/vantrel" | report "vantrel"
