#!/usr/bin/env bash
# Installs the Debian packages the viewer and its tests need, when any is missing.
set -euo pipefail
PACKAGES=(build-essential cmake pkg-config clang libclang-rt-14-dev
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libjpeg62-turbo-dev libfontconfig-dev fonts-liberation
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils desktop-file-utils sox)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
