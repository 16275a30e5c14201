#!/usr/bin/env bash
# Installs the Debian packages the build, tests and benchmarks need (only those missing).
set -euo pipefail
packages=(cmake make ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev libcereal-dev
          clang libclang-rt-14-dev python3 libxxhash-dev pkg-config libcli11-dev nlohmann-json3-dev
          libsodium-dev chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
