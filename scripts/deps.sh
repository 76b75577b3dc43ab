#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing (needs root or sudo).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev libicu-dev libpq-dev sqlite3
          libxml2-dev dpkg-dev file groff-base
          postgresql-15 postgresql-server-dev-15  # the server the tests run on, and its extension headers
          clang libclang-rt-14-dev)  # Clang and its libFuzzer/sanitizer runtimes: scripts/fuzz.sh
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
