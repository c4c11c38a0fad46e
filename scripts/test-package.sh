#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 root and runs it there as an
# ordinary user. Slow (a few minutes: the root is made by debootstrap from
# Debian's mirror, the package's dependencies come from the same mirror), so it
# is not part of the test suite.
#   scripts/test-package.sh [PACKAGE.deb]
# Without an argument it tests the package in build-deb/, building it first when
# there is none. Needs root (debootstrap, chroot, mount); the mirror can be
# changed with ZELK_DEBIAN_MIRROR. Downloaded packages are kept in a
# debootstrap-cache folder beside the package, so a second run goes faster.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mirror=${ZELK_DEBIAN_MIRROR:-http://deb.debian.org/debian}

if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env=ZELK_DEBIAN_MIRROR "$0" "$@"; fi

deb=${1:-}
if [ -z "$deb" ]; then
  deb=$(ls -t "$here"/build-deb/zelk_*.deb 2>/dev/null | head -1 || true)
  if [ -z "$deb" ]; then deb=$("$here/scripts/package.sh" | tail -1); fi
fi
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 2; }
"$here/scripts/install-deps.sh" debootstrap dpkg-dev
version=$(dpkg-deb --field "$deb" Version)

work=$(mktemp -d)
root=$work/root
cache=$(dirname "$deb")/debootstrap-cache
mkdir -p "$cache"
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
pass() { echo "PASS  $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION COMMAND...: passes when the command succeeds
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

echo "== a fresh Debian 12 root from $mirror"
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -20 "$work/debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

echo "== installing $(basename "$deb") with its dependencies only (no recommended packages)"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
if in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1; then
  pass "apt-get installs the package and its dependencies"
else
  tail -30 "$work/apt.log"
  fail "apt-get installs the package and its dependencies"
  exit 1
fi
in_root dpkg -L zelk | grep -E '^/usr/(bin|share/(zelk|applications|metainfo|mime/packages|man/man1))/.' | sed 's/^/      /'

# An ordinary user with a home of their own; nothing of the program is writable to it.
in_root useradd --create-home --shell /bin/bash practitioner
home=/home/practitioner
runtime=/tmp/runtime-practitioner
in_root install -d -m 0700 -o practitioner -g practitioner "$runtime"
as_user() {
  chroot --userspec=practitioner:practitioner "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
    HOME="$home" "$@"
}
touch "$work/before-start"
sleep 1

echo "== zelk-cli"
out=$(as_user zelk-cli --version || true)
check "zelk-cli --version prints \"$out\"" test "$out" = "zelk-cli $version"
out=$(as_user zelk-cli demo 2026-02-04 12:00 2>&1 || true)
echo "$out" | sed 's/^/      /'
check "zelk-cli demo finds the solar terms in /usr/share/zelk (節氣 : 立春)" \
  grep -q '節氣 : 立春' <<<"$out"
out=$(as_user zelk-cli chart --solar 1980-05-12 --hour 4 --sex M --format text \
  --now "2026-12-09 10:30" 2>&1 || true)
check "zelk-cli chart draws a natal chart (命宮 in the table)" grep -q '命宮' <<<"$out"

echo "== zelk, off-screen"
out=$(as_user zelk --version 2>&1 || true)
check "zelk --version prints \"$out\"" test "$out" = "zelk $version"
# The desktop program has no way to quit by itself after start-up: it runs for
# 15 seconds and is then stopped; 124 means it was still running.
rc=0
as_user env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" timeout 15 zelk --no-splash \
  >"$work/zelk.log" 2>&1 || rc=$?
sed 's/^/      /' "$work/zelk.log"
check "zelk starts and keeps running until stopped (status $rc)" test "$rc" -eq 124
data=$root$home/.local/share/zelk
ls -ln "$data" 2>/dev/null | sed 's/^/      /'
check "the settings file is in the per-user data folder" test -s "$data/a16_S3Zelk_V3.ini"
check "the client database named in it is in the same folder" \
  grep -qx "LastOpenUserFile=$home/.local/share/zelk/QUILMAIN.kvy" "$data/a16_S3Zelk_V3.ini"
check "the database is held (its lock file is there)" test -e "$data/QUILMAIN.kvy.lock"

echo "== clients added from the command line land beside the settings"
printf '\xef\xbb\xbf姓名,性別,出生日期\r\n王小明,男,1980/05/12 09:30\r\n' >"$root/tmp/clients.csv"
chmod a+r "$root/tmp/clients.csv"
as_user zelk-cli db import "$home/.local/share/zelk/QUILMAIN.kvy" /tmp/clients.csv | sed 's/^/      /' || true
out=$(as_user zelk-cli db list "$home/.local/share/zelk/QUILMAIN.kvy" 2>&1 || true)
check "the client is stored in the per-user database" grep -q '王小明' <<<"$out"
out=$(as_user zelk-cli settings 2>&1 || true)
check "zelk-cli reads the same per-user settings file" \
  grep -q "\"settingsFile\":\"$home/.local/share/zelk/a16_S3Zelk_V3.ini\"" <<<"$out"
# A second start opens the database again (the lock of the stopped program is taken over).
rc=0
as_user env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" timeout 10 zelk --no-splash \
  >"$work/zelk2.log" 2>&1 || rc=$?
check "zelk starts again on the database with a client (status $rc)" test "$rc" -eq 124

echo "== nothing was written where the program is installed"
written=$(find "$root/usr" "$root/etc" -newer "$work/before-start" -type f 2>/dev/null |
  sed "s|^$root||" | grep -v '^/etc/\(ld.so.cache\|resolv.conf\)$' || true)
[ -n "$written" ] && echo "$written" | sed 's/^/      /'
check "no file under /usr or /etc changed while the programs ran" test -z "$written"

echo "== desktop integration"
check "the .kvy type is in the MIME database" \
  grep -q 'application/x-zelk-clients:\*\.kvy' "$root/usr/share/mime/globs2"
check "the icon is in the hicolor theme" test -f "$root/usr/share/icons/hicolor/48x48/apps/org.zelk.Zelk.png"
fonts=$(in_root fc-list : family 2>/dev/null || true)
check "the chart faces are installed (AR PL UMing, AR PL UKai, Liberation Sans)" \
  bash -c 'grep -q "AR PL UMing" <<<"$1" && grep -q "AR PL UKai" <<<"$1" && grep -q "Liberation Sans" <<<"$1"' _ "$fonts"
check "man zelk-cli is installed" test -f "$root/usr/share/man/man1/zelk-cli.1.gz"

echo
if [ "$failures" -eq 0 ]; then
  echo "package test passed: $(basename "$deb") in a fresh Debian 12 root"
else
  echo "package test FAILED: $failures check(s)"
  exit 1
fi
