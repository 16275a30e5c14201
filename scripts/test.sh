#!/usr/bin/env bash
# Checks that includes point down the layers, builds everything from scratch and runs the whole
# test suite twice: as released (Release, -O3), and under AddressSanitizer and
# UndefinedBehaviorSanitizer. Then a short fuzzing run and one pass of the Release benchmarks at
# their quick size.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

echo "== layering"
/usr/bin/env python3 scripts/check_layers.py

echo "== build and test (Release)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== build and test under ASan + UBSan"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DZX_SANITIZE=ON -DZX_BUILD_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs"

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing (short run)"
  scripts/fuzz.sh "${ZX_FUZZ_SECONDS:-30}"
fi

echo "== benchmarks (quick size; each prints its comparison with its target)"
for bench in build/test/bench/zxbench_*; do
  "$bench" --zx_table_only
done

echo "== demo"
cmake --build build/test -j"$jobs" --target zxstore
build/test/tools/zxstore demo build/test/sample.zxp
build/test/tools/zxstore info build/test/sample.zxp
build/test/tools/zxstore check build/test/sample.zxp
