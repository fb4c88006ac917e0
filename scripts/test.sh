#!/usr/bin/env bash
# Installs what is missing, builds the test configuration with ASan and UBSan,
# and runs the whole suite under a headless X server.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh --test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVB_SANITIZE=ON -DVB_BUILD_TESTS=ON
cmake --build build/test --parallel "$(nproc)"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
# Full stacks on malloc, so that suppressions of system libraries match.
export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
exec xvfb-run -a -s "-screen 0 1920x1080x24 +extension XTEST +extension RECORD" \
  ctest --output-on-failure --parallel "$(nproc)" --timeout 300
