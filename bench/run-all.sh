#!/usr/bin/env bash
# Runs every benchmark: the native ones of build/native/bench, then under Wine the start-up time and
# peak working set of tavrolin.exe against a minimal one-window program and against a window of the
# same 66 controls as plain standard controls (alternating runs), the response time of the three
# calculation buttons, and the size of the stripped executable.
#   bench/run-all.sh [NATIVE_BUILD WINDOWS_BUILD]
# Without arguments it builds both trees with scripts/build.sh first. STARTUP_RUNS (default 20) and
# RESPONSE_CLICKS (default 2000) set the sample sizes.
set -euo pipefail
repository=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 2 ]; then
  native=$(realpath "$1") win=$(realpath "$2")
elif [ $# -eq 0 ]; then
  bash "$repository/scripts/build.sh"
  native=$repository/build/native win=$repository/build/win
else
  echo "usage: $0 [NATIVE_BUILD WINDOWS_BUILD]" >&2
  exit 2
fi
startup_runs=${STARTUP_RUNS:-20}
response_clicks=${RESPONSE_CLICKS:-2000}

echo "== native benchmarks"
found=0
for benchmark in "$native"/bench/*; do
  if [ -f "$benchmark" ] && [ -x "$benchmark" ]; then
    found=1
    echo "-- $(basename "$benchmark")"
    "$benchmark"
  fi
done
[ $found -eq 1 ] || echo "(none built)"

echo "== size of tavrolin.exe"
stripped=$(mktemp --suffix=.exe)
x86_64-w64-mingw32-strip -o "$stripped" "$win/shell/win32/tavrolin.exe"
size=$(stat -c %s "$stripped")
rm -f "$stripped"
echo "as built $(stat -c %s "$win/shell/win32/tavrolin.exe") bytes; stripped $size bytes ($((size / 1024)) KiB; limit 512 KiB)"

# shellcheck source=../scripts/wine-session.sh
source "$repository/scripts/wine-session.sh"
wine_session_start "$(mktemp -d /tmp/tavrolin-bench-prefix.XXXXXX)"
programs=$win/bench/program
echo "== start-up and peak working set, tavrolin.exe (program) against minimal_window.exe (baseline)"
wine "$programs/startup_bench.exe" "$startup_runs" "$win/shell/win32/tavrolin.exe" \
  "$programs/minimal_window.exe"
# What the platform charges for the window's controls alone: the same comparisons with the plain
# standard controls.
echo "== start-up and peak working set, tavrolin.exe (program) against standard_controls.exe (baseline)"
wine "$programs/startup_bench.exe" "$startup_runs" "$win/shell/win32/tavrolin.exe" \
  "$programs/standard_controls.exe"
echo "== start-up and peak working set, standard_controls.exe (program) against minimal_window.exe (baseline)"
wine "$programs/startup_bench.exe" "$startup_runs" "$programs/standard_controls.exe" \
  "$programs/minimal_window.exe"
echo "== response from a calculation button's click to its results, in-process"
wine "$programs/response_bench.exe" "$response_clicks"
