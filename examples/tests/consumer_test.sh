#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and builds the consumer example against it,
# once through find_package and once through pkg-config, then runs both programs. A header or
# a dependency the install forgets makes a build or a run fail here.
# Usage: consumer_test.sh BUILD_DIR SOURCE_DIR CMAKE CXX [EXTRA_FLAGS]
set -euo pipefail
build=$1 source=$2 cmake=$3 cxx=$4 flags=${5:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/zolk-consumer-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

# Every installed header compiles against the installed tree alone: none includes a header the
# install left out.
(cd "$prefix/include/zolk" && find . -name '*.h' | sort | sed 's|^\./\(.*\)|#include "\1"|') >"$work/all_headers.cpp"
[ "$(wc -l <"$work/all_headers.cpp")" -gt 20 ] || fail "too few headers installed: $(cat "$work/all_headers.cpp")"
"$cxx" -std=c++20 -Wall -Wextra -Werror $flags -fsyntax-only -I"$prefix/include/zolk" "$work/all_headers.cpp" ||
  fail "the installed headers do not compile on their own"

# The program records a consultation and lists the client's records: the new one comes first,
# with the complaint as typed.
check_run() {
  local program=$1 database=$2 out
  out=$("$program" "$database") || fail "$program exited with $?: $out"
  local number
  number=$(sed -n 's/^ficha \([0-9][0-9]*\) gravada$/\1/p' <<<"$out")
  [ -n "$number" ] || fail "$program did not report the recorded number: $out"
  sed -n 3p <<<"$out" | grep -q "^$number	.*	Thor	Vômitos há dois dias$" ||
    fail "$program: the listing does not start with record $number: $out"
  [ -s "$database" ] || fail "$program left no database at $database"
}

# find_package: nothing but the install prefix is given.
"$cmake" -S "$source/examples/consumer" -B "$work/cmake" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror $flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "find_package configure"; }
"$cmake" --build "$work/cmake" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "find_package build"; }
check_run "$work/cmake/consulta" "$work/cmake.db"

# pkg-config: the flags it gives are all the compiler is told.
export PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name zolkfichas.pc)")
cflags=$(pkg-config --cflags zolkfichas) || fail "pkg-config --cflags"
libs=$(pkg-config --libs zolkfichas) || fail "pkg-config --libs"
libdir=$(pkg-config --variable=libdir zolkfichas)
# shellcheck disable=SC2086
"$cxx" -std=c++20 -Wall -Wextra -Werror $flags $cflags "$source/examples/consumer/consulta.cpp" \
  $libs -Wl,-rpath,"$libdir" -o "$work/consulta-pc" || fail "pkg-config build"
check_run "$work/consulta-pc" "$work/pkg-config.db"

# The installed command runs from the prefix and knows its version.
"$prefix/bin/fichas" --version | grep -q "^fichas [0-9]" || fail "installed fichas --version"
echo "consumer built and ran through find_package and pkg-config"
