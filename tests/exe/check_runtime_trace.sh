#!/usr/bin/env bash
# Shows what tavrolin.exe does at run time: runs it twice under Wine's relay, file and registry
# channels (once without arguments, once with a file name and two options), closes it with Alt+F4
# each time, then checks both traces with the ExeRun suites of the executable checks.
#   check_runtime_trace.sh TRACED_RUN PROGRAM EXE_TESTS OUTPUT_DIR
# Runs inside a Wine session (scripts/wine-session.sh). The traces stay in OUTPUT_DIR.
set -uo pipefail
if [ $# -ne 4 ]; then
  echo "usage: $0 TRACED_RUN PROGRAM EXE_TESTS OUTPUT_DIR" >&2
  exit 2
fi
driver=$1 program=$2 tests=$3 out=$4
mkdir -p "$out"
cd "$out" || exit 1
rm -f ./*.out ./*.trace

argument_name=tavrolin-argument.txt
echo "a file the program must not open" > "$argument_name"
argument="Z:$(pwd)/$argument_name"
argument=${argument//\//\\}
channels=+pid,+relay,+file,+reg

WINEDEBUG=-all wine "$driver" "$channels" "$program" >plain.out 2>plain.trace
WINEDEBUG=-all wine "$driver" "$channels" "$program" "$argument" "/?" "--reset" \
  >arguments.out 2>arguments.trace
TAVROLIN_TRACE_DIR=$(pwd) TAVROLIN_TRACE_ARGUMENT=$argument_name WINEDEBUG=-all \
  wine "$tests" --gtest_filter='*ExeRun*'
status=$?
# With no program left, the Wine server shuts down; a program started while it does so cannot
# connect ("recvmsg: Connection reset by peer"). Let the shutdown finish before the next test.
timeout 60 wineserver -w
exit $status
