#!/usr/bin/env bash
# The Debian 12 packages that building, running and testing Kwilmora need.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  g++ lld cmake ninja-build pkg-config \
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev qt6-qpa-plugins \
  libsqlcipher-dev libssl-dev sqlcipher libusb-1.0-0-dev libgif-dev libxcb1-dev \
  qt6-translations-l10n \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
  fonts-comic-neue fonts-dejavu-core \
  espeak-ng lame \
  pulseaudio xvfb xauth poppler-utils \
  openbox metacity xdotool x11-utils imagemagick >/dev/null
