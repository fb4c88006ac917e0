#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Vellobox.
# Arguments are passed on to the program (e.g. -h to start hidden).
set -euo pipefail
# VB_JOBS: parallel build jobs (default: all processors).
JOBS="${VB_JOBS:-$(nproc)}"
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVB_BUILD_TESTS=OFF -DVB_BUILD_BENCH=OFF
cmake --build build/release --parallel "$JOBS"
if [ "$(id -u)" -eq 0 ]; then
  # Chromium refuses its sandbox as root.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec ./build/release/src/vellobox "$@"
