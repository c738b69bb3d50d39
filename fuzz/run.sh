#!/usr/bin/env bash
# Builds the fuzz targets of the number and text conversion with clang (AddressSanitizer,
# UndefinedBehaviorSanitizer, libFuzzer) and runs each of them for its share of the given time.
#   fuzz/run.sh SECONDS [BUILD_DIR]      default BUILD_DIR: build/fuzz in the repository
# The corpus grows in BUILD_DIR/corpus and is kept between runs; an input that breaks a property is
# saved as BUILD_DIR/artifacts/<target>-crash-<hash> and replayed with BUILD_DIR/<target>_fuzzer FILE.
set -euo pipefail

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS [BUILD_DIR]" >&2
  exit 2
fi
seconds=$1
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath -m "${2:-$here/../build/fuzz}")
targets=(fold_full_width text_to_number compare_text number_to_text)
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/artifacts"
  dictionary=()
  [ "$target" != number_to_text ] && dictionary=(-dict="$here/numtext.dict")
  echo "== $target: ${share} s"
  if ! "$build/${target}_fuzzer" "$build/corpus/$target" "${dictionary[@]}" \
      -max_total_time="$share" -max_len=4096 -timeout=20 -rss_limit_mb=1024 \
      -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 \
      >"$build/$target.log" 2>&1; then
    status=1
    tail -n 40 "$build/$target.log"
    echo "FAILED: $target; replay with: $build/${target}_fuzzer $build/artifacts/$target-*"
  else
    grep -E '^(Done|stat::number_of_executed_units)' "$build/$target.log" || true
  fi
done
[ $status -eq 0 ] && echo "all fuzz targets held for ${seconds} s"
exit $status
