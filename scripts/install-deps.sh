#!/usr/bin/env bash
# Installs exactly the Debian packages the project needs; does nothing when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libjpeg62-turbo-dev libvorbis-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick sox vorbis-tools
  desktop-file-utils appstream openbox file dpkg-dev
  clang-16 libclang-rt-16-dev llvm-16
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=300 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
