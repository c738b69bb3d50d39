#!/usr/bin/env bash
# Builds both trees: build/native (portable code, unit tests, benchmarks, host tools) and build/win
# (tavrolin.exe and the Windows test programs, cross-compiled with mingw-w64).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build build/native -j "$jobs"

cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DTAVROLIN_ICON="$PWD/build/native/tools/tavrolin.ico" >/dev/null
cmake --build build/win -j "$jobs"
