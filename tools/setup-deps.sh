#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Sourced by play.sh and test.sh; safe to run again: it installs only what is missing.
set -euo pipefail

VANTREL_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  librsvg2-dev libcairo2-dev
  abcmidi fluidsynth musescore-general-soundfont-small sox
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-dejavu-core
  pulseaudio pulseaudio-utils
  xvfb xdotool imagemagick
  clang libclang-rt-14-dev
  appstream desktop-file-utils time
)

missing=()
for p in "${VANTREL_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  line="apt-get install -y ${missing[*]}"
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q "${missing[@]}" >/dev/null
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    echo "Installing: ${missing[*]}"
    sudo DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" >/dev/null
  else
    echo "Missing Debian packages. Run as root, then try again:"
    echo "  sudo $line"
    exit 1
  fi
fi
