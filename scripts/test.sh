#!/usr/bin/env bash
# Builds everything from scratch (warnings are errors) and runs the whole test suite on SQLite,
# then the engine suites once more on a throwaway PostgreSQL server (a private cluster in a
# temporary folder, stopped whatever happens), then builds the fuzz targets with Clang and runs
# each for a few seconds (scripts/fuzz.sh).
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
if [ "$sanitize" = OFF ]; then
  # The server loads the project's extension from its own folders (root's to write).
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" cmake --install "$dir" --component postgresql >/dev/null
  pgdir=$(mktemp -d /tmp/zolk-pg-XXXXXX)
  trap 'bash scripts/pg_cluster.sh stop "$pgdir"' EXIT
  bash scripts/pg_cluster.sh start "$pgdir" >/dev/null
  echo "Running the engine suites on PostgreSQL ($pgdir)"
  (cd "$dir" && ZOLK_TEST_POSTGRES="host=$pgdir&port=5432&user=zolk" ctest --output-on-failure -j2 -L engines)
fi
if [ "$fuzz" = ON ]; then
  bash scripts/fuzz.sh --smoke 10
fi
