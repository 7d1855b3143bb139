#!/usr/bin/env bash
# Installs what Tumblewick needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build ccache pkg-config \
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-speech-dev qt6-speech-flite-plugin \
  qt6-declarative-dev qt6-image-formats-plugins libqt6svg6 \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-noto-color-emoji espeak-ng pulseaudio pulseaudio-utils \
  libwmf-bin emf2svg gstreamer1.0-plugins-good \
  xvfb xauth imagemagick poppler-utils clang-format fonts-urw-base35 >/dev/null
