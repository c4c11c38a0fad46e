#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs
# each one for a bounded time. Not part of the test suite.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [BUILD_DIR]
# Findings (crash-*, leak-*, timeout-* files) land in BUILD_DIR/fuzz-findings/<target>/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir=${2:-$here/build-fuzz}
targets=(fuzz_kvy_reader fuzz_csv_parser fuzz_aid_reader)

CC=clang CXX=clang++ cmake -S "$here" -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELK_BUILD_FUZZ=ON \
  -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j2 --target "${targets[@]}"

status=0
for t in "${targets[@]}"; do
  corpus="$dir/fuzz-corpus/$t"
  findings="$dir/fuzz-findings/$t"
  mkdir -p "$corpus" "$findings"
  echo "== $t: ${seconds}s"
  if ! "$dir/bin/$t" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 \
      -max_len=300000 -artifact_prefix="$findings/" -print_final_stats=1 2>"$dir/$t.log"; then
    echo "!! $t found a problem; see $findings and $dir/$t.log"
    status=1
  fi
  grep -E "^(stat::number_of_executed_units|Done|#[0-9]+ +DONE)" "$dir/$t.log" || tail -3 "$dir/$t.log"
done
exit $status
