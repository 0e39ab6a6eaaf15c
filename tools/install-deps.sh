#!/usr/bin/env bash
# Installs what Mordavel needs to build, run and test on Debian 12, or,
# given package names, just those (the asset scripts use that).
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libfltk1.3-dev libjpeg-dev libfontconfig-dev
  googletest libgtest-dev
  xvfb xdotool xclip x11-utils imagemagick procps
  fonts-wine fonts-dejavu-core fontconfig
)
[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
