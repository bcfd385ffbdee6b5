#!/usr/bin/env bash
# Builds the settings-file fuzz target with clang's libFuzzer and runs it.
#   tools/fuzz/run_ini_fuzz.sh [seconds=20] [work-dir]
# The test suite runs it for 20 s; run it for 600 s for a longer search.
# Exits 77 (skipped) when clang or libFuzzer is not installed.
set -euo pipefail

seconds=${1:-20}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=${2:-$root/build/fuzz}
mkdir -p "$work"

cxx=""
for c in clang++ clang++-14; do
  if command -v "$c" >/dev/null 2>&1; then cxx=$c; break; fi
done
if [ -z "$cxx" ]; then
  echo "SKIP: clang++ is not installed (apt-get install clang libclang-rt-14-dev)"
  exit 77
fi

# libFuzzer itself ships separately from clang (libclang-rt-14-dev).
probe=$work/probe.cpp
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe"
if ! "$cxx" -fsanitize=fuzzer "$probe" -o "$work/probe" >/dev/null 2>&1; then
  echo "SKIP: $cxx cannot link libFuzzer (apt-get install libclang-rt-14-dev)"
  exit 77
fi

target=$work/ini_file_fuzz
"$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/tools/fuzz/ini_file_fuzz.cpp" \
  "$root/ui/front/ini_file.cpp" "$root/ui/front/ini_file.platform.cpp" \
  -o "$target"

# New inputs go to a scratch corpus; the committed seeds are only read. The
# target's scratch files stay inside the work folder.
corpus=$work/corpus
mkdir -p "$corpus"
rm -rf "$work/tmp" && mkdir -p "$work/tmp"
TMPDIR=$work/tmp "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -artifact_prefix="$work/" -print_final_stats=1 \
  "$corpus" "$root/tools/fuzz/corpus/ini_file"
echo "fuzzing the settings file for ${seconds}s found no fault"
