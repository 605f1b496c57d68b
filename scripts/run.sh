#!/usr/bin/env bash
# Builds Quarn and starts the editor; any arguments are level files to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quarn
exec build/quarn "$@"
