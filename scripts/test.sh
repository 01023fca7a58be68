#!/usr/bin/env bash
# Builds the project and runs every test: the plain build (warnings as errors),
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# fuzzers for a bounded time. Window tests run on a private Xvfb display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh

jobs=$(nproc)
source scripts/xvfb.sh
start_xvfb

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLEXO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DTABLEXO_WERROR=ON -DTABLEXO_SANITIZE=ON \
      -DTABLEXO_BENCH=OFF >/dev/null
cmake --build build-san -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp" \
  ctest --test-dir build-san --output-on-failure -j"$jobs" -LE nosan

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing"
  scripts/fuzz.sh
fi
