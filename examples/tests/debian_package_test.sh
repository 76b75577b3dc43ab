#!/usr/bin/env bash
# Makes the Debian package with cpack and checks it as dpkg would see it: its control fields
# and runtime dependencies, the files it installs, and that the command it carries runs the
# guided tour from the unpacked tree.
# Usage: debian_package_test.sh BUILD_DIR CPACK
set -euo pipefail
build=$1 cpack=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/zolk-deb-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/out" -maxdepth 1 -name 'zolk-fichas_*.deb')
[ -f "$deb" ] || fail "no zolk-fichas_*.deb in $(ls "$work/out")"

# Control: the runtime packages of what the binaries link, each one installed here, as on any
# Debian 12 that has the build's libraries.
[ "$(dpkg-deb -f "$deb" Package)" = zolk-fichas ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in 'libsqlite3-0' 'libicu[0-9]+' 'libstdc\+\+6' 'libc6'; do
  grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
for package in $(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//'); do
  dpkg -s "$package" >/dev/null 2>&1 || fail "dependency $package is not a package of this system"
done

# A program linked against the library depends on this package through its shlibs entry, and
# the dynamic linker's cache is refreshed on install and removal.
dpkg-deb -e "$deb" "$work/control"
version=$(dpkg-deb -f "$deb" Version)
grep -qx "libzolkfichas [0-9]* zolk-fichas (= $version)" "$work/control/shlibs" ||
  fail "shlibs: $(cat "$work/control/shlibs" 2>&1)"
for script in postinst postrm; do
  grep -q ldconfig "$work/control/$script" || fail "$script does not run ldconfig"
done

# Contents: everything under /usr, nothing from the tests.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for file in /usr/bin/fichas /usr/share/man/man1/fichas.1.gz /usr/include/zolk/fichas/fichas_clinicas.h \
            /usr/include/zolk/platform/variant.h /usr/include/zolk/jet/sqlite/generator.h \
            /usr/lib/pkgconfig/zolkfichas.pc /usr/lib/cmake/ZolkFichas/ZolkFichasConfig.cmake \
            /usr/lib/cmake/ZolkFichas/ZolkFichasTargets.cmake; do
  grep -qx "$file" "$work/contents" || fail "the package lacks $file"
done
grep -Eqx '/usr/lib/libzolkfichas\.so\.[0-9]+\.[0-9]+\.[0-9]+' "$work/contents" || fail "no versioned shared library"
! grep -v '^/usr/' "$work/contents" | grep -vx '/' | grep -q . || fail "files outside /usr: $(grep -v '^/usr/' "$work/contents")"
! grep -q '/tests/' "$work/contents" || fail "test files in the package"

# Unpacked: the library carries its soname, the man page reads without warnings, and the
# command runs the tour.
dpkg-deb -x "$deb" "$work/root"
readelf -d "$work/root"/usr/lib/libzolkfichas.so.*.*.* | grep -q 'SONAME.*\[libzolkfichas\.so\.[0-9]*\]' ||
  fail "the library has no soname"
[ "$(readlink "$work/root/usr/lib/libzolkfichas.so")" = "$(basename "$work/root"/usr/lib/libzolkfichas.so.[0-9])" ] ||
  fail "libzolkfichas.so does not point at the soname"
warnings=$(zcat "$work/root/usr/share/man/man1/fichas.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "the manual page: $warnings"
export LD_LIBRARY_PATH=$work/root/usr/lib
"$work/root/usr/bin/fichas" --version | grep -q '^fichas ' || fail "fichas --version"
"$work/root/usr/bin/fichas" demo --database "$work/demo.db" >"$work/demo.log" 2>&1 || { cat "$work/demo.log"; fail "fichas demo"; }
echo "$(basename "$deb"): Depends: $depends"
