#!/usr/bin/env bash
# Builds the store and runs the zxstore demo on the built-in sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZX_BUILD_TESTS=OFF -DZX_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target zxstore
build/release/tools/zxstore demo "${1:-build/release/sample.zxs}"
