#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zelk need,
# and any further packages named on the command line (the packaging scripts add
# their tools this way). Quiet and quick when everything is already there; safe
# to run again.
#   scripts/install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-dev liberfa-dev tzdata
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation fonts-noto-cjk
  qt6-translations-l10n
  poppler-utils python3
  desktop-file-utils appstream shared-mime-info
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
