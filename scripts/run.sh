#!/usr/bin/env bash
# Installs the packages that are missing, builds the program and starts it
# from the build tree (where its pictures are built beside it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tablexo -j"$(nproc)"
exec build/bin/tablexo
