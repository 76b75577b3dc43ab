#!/usr/bin/env bash
# Builds the fichas command and runs its guided tour on a fresh embedded demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOLK_BENCH=OFF >/dev/null
cmake --build build/release -j2 --target fichas
exec build/release/cli/fichas demo "$@"
