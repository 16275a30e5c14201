#!/usr/bin/env bash
# fuzz.sh [SECONDS [BUILD]]: builds the libFuzzer targets with clang and runs each for SECONDS
# (default 60) over a copy of its seed corpus: the roots' loader over fuzz/corpus and the
# document loader over fuzz/corpus-document. Fails on any crash, sanitizer report,
# leak, stray exception, timeout or oversized allocation; the reproducer is left in
# BUILD/artifacts/.
#
# Without BUILD it configures build-fuzz (optimised, for speed of fuzzing). BUILD names an
# existing clang build configured with ZX_SANITIZE, ZX_BUILD_FUZZ and ZX_FUZZ_COVERAGE (the test
# command's sanitizer build), whose objects are then reused.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="${2:-build-fuzz}"

# clang and its libFuzzer runtime (in libclang-rt-<major>-dev on Debian), installed if missing.
fuzzer_links() {
  local probe
  probe=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1
  local status=$?
  rm -rf "$probe"
  return $status
}
missing=()
command -v cmake >/dev/null || missing+=(cmake make)
if ! command -v clang++ >/dev/null; then
  missing+=(clang libclang-rt-14-dev)
elif ! fuzzer_links; then
  major=$(clang++ -dumpversion | cut -d. -f1)
  missing+=("libclang-rt-${major}-dev")
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# Only the library is instrumented (ZX_FUZZ_COVERAGE): its loaders are what coverage guides the
# fuzzer through.
if [ $# -lt 2 ]; then
  flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$flags" -DZX_BUILD_FUZZ=ON -DZX_FUZZ_COVERAGE=ON -DZX_BUILD_TESTS=OFF \
    -DZX_BUILD_BENCH=OFF \
    >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target zxfuzz_load_roots zxfuzz_load_document

# Fuzz a copy: what the run adds to its corpus stays out of the source tree.
run() {
  local target=$1 seeds=$2 max_len=$3
  local corpus="$build/corpus-$target"
  rm -rf "$corpus"
  mkdir -p "$corpus" "$build/artifacts"
  cp "$seeds"/* "$corpus/"
  ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len="$max_len" \
    -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-"
}
# The two targets fuzz side by side, each on a core of its own; a failing one's log is printed.
run zxfuzz_load_roots fuzz/corpus 262144 >"$build/fuzz-roots.log" 2>&1 &
roots=$!
run zxfuzz_load_document fuzz/corpus-document 524288 >"$build/fuzz-document.log" 2>&1 &
document=$!
status=0
wait $roots || { status=1; cat "$build/fuzz-roots.log"; }
wait $document || { status=1; cat "$build/fuzz-document.log"; }
tail -n 12 "$build/fuzz-roots.log" "$build/fuzz-document.log"
exit $status
