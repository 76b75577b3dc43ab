#!/usr/bin/env bash
# Builds everything from scratch (warnings are errors) and runs the whole test suite, then
# builds the fuzz targets with Clang and runs each for a few seconds (scripts/fuzz.sh).
# Usage: scripts/test.sh [--sanitize] [--compiler g++|clang++] [--no-fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=OFF
cxx=g++
fuzz=ON
while (($#)); do
  case "$1" in
    --sanitize) sanitize=ON ;;
    --compiler) cxx="$2"; shift ;;
    --no-fuzz) fuzz=OFF ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
bash scripts/deps.sh
dir="build/test-$(basename "$cxx")"
[ "$sanitize" = ON ] && dir="$dir-sanitize"
rm -rf "$dir"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
      -DZOLK_WERROR=ON -DZOLK_SANITIZE="$sanitize"
cmake --build "$dir" -j2
(cd "$dir" && ctest --output-on-failure -j2)
if [ "$fuzz" = ON ]; then
  bash scripts/fuzz.sh --smoke 10
fi
