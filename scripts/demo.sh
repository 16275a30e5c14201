#!/usr/bin/env bash
# Builds the store, writes the built-in sample project as a document with `zxstore demo` (loading
# it back and comparing every root), then shows its sections with `zxstore info` and checks its
# references with `zxstore check`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZX_BUILD_TESTS=OFF -DZX_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target zxstore
document="${1:-build/release/sample.zxp}"
build/release/tools/zxstore demo "$document"
build/release/tools/zxstore info "$document"
build/release/tools/zxstore check "$document"
