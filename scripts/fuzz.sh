#!/usr/bin/env bash
# Fuzzes the saved-game reader with libFuzzer for a bounded time (FUZZ_SECONDS,
# 60 by default), starting from the committed seeds. Builds with clang in its
# own folder (build-fuzz), without the GUI, so the gcc builds are untouched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}

# Everything the target links is instrumented for coverage and the sanitizers;
# only the target itself links libFuzzer's main.
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLEXO_FUZZ=ON \
  -DTABLEXO_GUI=OFF -DTABLEXO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" >/dev/null
cmake --build "$build" --target fuzz_partidaguardada -j"$(nproc)"

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/app/fuzz/semillas/*.jt2 "$corpus"/
echo "== fuzzing the saved-game reader for ${seconds} s"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$build"/tests/app/fuzz_partidaguardada "$corpus" tests/app/fuzz/semillas \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -artifact_prefix="$build"/ -print_final_stats=1
