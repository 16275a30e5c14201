#!/usr/bin/env bash
# Checks that includes point down the layers and builds everything from scratch: the library, the
# command and the benchmarks as released (Release, -O3, GCC), where the tests of the command, the
# exports and the installed package run; the whole unit suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), and the concurrent-readers test under ThreadSanitizer
# (clang). Then a short fuzzing run and one pass of the Release benchmarks at their quick size.
#
# The unit suite is built once, sanitized: building it a second time, optimised, would cost the
# run a fifth of its budget, and the faults an optimised build would turn into wrong results
# (out-of-bounds accesses, undefined operations) are the ones the sanitizers report.
#
# The sanitizer build's library carries libFuzzer's coverage instrumentation as well, so the same
# library serves the sanitized tests and the fuzz targets: one build of the library fewer, which
# is the largest single cost of the run. Two compilers between the two builds catch more than one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
# Ninja schedules the two compilers' jobs more evenly than make; a build tree configured before
# keeps the generator it has.
export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"

# Each phase's wall time, printed as it ends and summed up at the end, to keep the run's budget in
# sight.
phase_name=""
phase_start=$SECONDS
timings=""
phase() {
  if [ -n "$phase_name" ]; then
    timings+=$(printf '%6ds  %s' $((SECONDS - phase_start)) "$phase_name")$'\n'
  fi
  phase_name="$1"
  phase_start=$SECONDS
  [ -n "$1" ] && echo "== $1"
  return 0
}

# Runs a GoogleTest binary as `shards` processes side by side, each with its share of the tests;
# prints the output of any that failed.
run_sharded() {
  local binary=$1 shards=$2 status=0
  local pids=()
  for ((i = 0; i < shards; ++i)); do
    GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i "$binary" --gtest_brief=1 \
      >"$binary.shard$i.log" 2>&1 &
    pids+=($!)
  done
  for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then
      status=1
      cat "$binary.shard$i.log"
    fi
  done
  tail -n 2 "$binary".shard*.log
  return $status
}

phase "layering"
/usr/bin/env python3 scripts/check_layers.py

phase "build (Release)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release -DZX_BUILD_UNIT_TESTS=OFF \
  -DZX_UNITY_BUILD=ON >/dev/null
cmake --build build/test -j"$jobs"
phase "tests (Release: exports, installed package, command)"
ctest --test-dir build/test --output-on-failure -j"$jobs"

phase "build under ASan + UBSan, with fuzzing coverage"
# Line tables are all a sanitizer report needs for its stack traces; full debug information would
# make the unoptimised build a good deal slower to compile and link.
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DZX_SANITIZE=ON \
  -DZX_BUILD_BENCH=OFF -DZX_BUILD_FUZZ=ON -DZX_FUZZ_COVERAGE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DZX_UNITY_BUILD=ON >/dev/null
cmake --build build/asan -j"$jobs"
phase "tests under ASan + UBSan"
# The unit tests run as one process per core, each taking its share of the suite: a sanitized
# process takes a tenth of a second to start, which over a thousand tests, one process each, would
# be a third of the phase, and every further shard builds the suites' shared sample projects once
# more. The other tests (exports, the command) go through ctest.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_sharded build/asan/tests/zxstore_tests "$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs" -LE unit

phase "concurrent readers under TSan"
# clang again: unoptimised, it compiles the library in half the time GCC takes.
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DZX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
  -DZX_UNITY_BUILD=ON >/dev/null
cmake --build build/tsan -j"$jobs" --target zxstore_tsan_tests
TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/zxstore_tsan_tests

if [ -x scripts/fuzz.sh ]; then
  phase "fuzzing (short run)"
  scripts/fuzz.sh "${ZX_FUZZ_SECONDS:-30}" build/asan
fi

phase "benchmarks (quick size; each prints its comparison with its target)"
for bench in build/test/bench/zxbench_*; do
  "$bench" --zx_table_only
done

phase "demo"
cmake --build build/test -j"$jobs" --target zxstore
build/test/tools/zxstore demo build/test/sample.zxp
build/test/tools/zxstore info build/test/sample.zxp
build/test/tools/zxstore check build/test/sample.zxp
phase ""
echo "== wall time per phase"
printf '%s' "$timings"
