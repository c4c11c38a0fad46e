#!/usr/bin/env bash
# Builds the Debian package zelk_<version>_<arch>.deb and checks it.
#   scripts/package.sh [BUILD_DIR]          (default: build-deb)
#
# A build folder of its own, with Debian's compiler and linker flags (hardening
# included) and without tests or benchmarks, installed under /usr and packed by
# `cpack -G DEB`; the library dependencies come from dpkg-shlibdeps. Then the
# menu entry and the metainfo are validated and lintian looks at the package:
# any error fails the script, warnings are listed. The path of the package is
# the last line printed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build-deb}
case "$dir" in /*) ;; *) dir=$PWD/$dir ;; esac

# What packing and checking need besides the build: dpkg-shlibdeps (dpkg-dev),
# file (CPack tells programs from data with it), lintian and the two validators.
"$here/scripts/install-deps.sh" dpkg-dev file lintian appstream desktop-file-utils

cd "$here" # dpkg-buildflags maps this folder out of the debugging paths
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$here" -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=OFF -DZELK_SANITIZE=OFF >/dev/null
cmake --build "$dir" -j2

rm -f "$dir"/zelk_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/zelk_*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
deb=${debs[0]}

echo "== package"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends

echo "== validators"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net --no-color "$tree"/usr/share/metainfo/*.metainfo.xml

echo "== lintian"
# Lintian warns against running as root; the package it reads is the same.
lintian_out=$(lintian --allow-root --tag-display-limit 0 --display-level ">=warning" \
  --fail-on error "$deb") && lintian_rc=0 || lintian_rc=$?
if [ -n "$lintian_out" ]; then echo "$lintian_out"; else echo "no errors, no warnings"; fi
if [ "$lintian_rc" -ne 0 ]; then
  echo "lintian found errors in $deb" >&2
  exit 1
fi

echo "$deb"
