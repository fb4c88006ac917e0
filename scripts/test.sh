#!/usr/bin/env bash
# Installs what is missing, builds the test configuration with ASan and UBSan,
# and runs the whole suite under a headless X server.
set -euo pipefail
# VB_JOBS: parallel build jobs (default: all processors).
JOBS="${VB_JOBS:-$(nproc)}"
cd "$(dirname "$0")/.."
./scripts/deps.sh --test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVB_SANITIZE=ON -DVB_BUILD_TESTS=ON -DVB_PCH=ON
cmake --build build/test --parallel "$JOBS"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
# The sanitizer options are set per test by CTest.
cd build/test
exec xvfb-run -a -s "-screen 0 1920x1080x24 +extension XTEST +extension RECORD" \
  ctest --output-on-failure --parallel "$JOBS" --timeout 300
