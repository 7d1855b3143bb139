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
  fonts-noto-color-emoji fonts-sil-andika espeak-ng pulseaudio pulseaudio-utils \
  libwmf-bin emf2svg gstreamer1.0-plugins-good \
  xvfb xauth imagemagick poppler-utils clang-format fonts-urw-base35 \
  chromium desktop-file-utils appstream dpkg-dev file >/dev/null

# Vector art for the shipped pictures, from the npm registry, pinned to exact versions and
# checked against their recorded sha512 integrity: Google's Noto emoji as SVG (Apache-2.0) and
# country flags (MIT). Unpacked into TUMBLEWICK_ART_DIR, where the build looks for them. Without
# them the build still works and draws the pictures from the emoji font instead (and says so).
ART_DIR="${TUMBLEWICK_ART_DIR:-$HOME/.cache/tumblewick/art}"
if ! command -v npm >/dev/null || ! command -v node >/dev/null; then
  $SUDO apt-get install -y -qq --no-install-recommends nodejs npm >/dev/null
fi
fetch_art() { # folder package version integrity
  local folder=$1 package=$2 version=$3 integrity=$4 work tarball actual
  if [ "$(cat "$ART_DIR/$folder/.pinned" 2>/dev/null)" = "$package@$version $integrity" ]; then
    return 0
  fi
  work=$(mktemp -d)
  if ! (cd "$work" && npm pack --silent "$package@$version" >/dev/null 2>&1); then
    echo "install-deps: warning: cannot fetch $package@$version from the npm registry;" \
         "the pictures will be drawn from the emoji font" >&2
    rm -rf "$work"; return 0
  fi
  tarball=$(ls "$work"/*.tgz)
  actual="sha512-$(node -e 'const c=require("crypto"),f=require("fs");
    process.stdout.write(c.createHash("sha512").update(f.readFileSync(process.argv[1])).digest("base64"))' "$tarball")"
  if [ "$actual" != "$integrity" ]; then
    echo "install-deps: error: $package@$version does not match its pinned integrity; not used" >&2
    rm -rf "$work"; return 0
  fi
  rm -rf "${ART_DIR:?}/$folder"
  mkdir -p "$ART_DIR/$folder"
  tar -xzf "$tarball" -C "$ART_DIR/$folder" --strip-components=1
  echo "$package@$version $integrity" >"$ART_DIR/$folder/.pinned"
  rm -rf "$work"
}
fetch_art noto @iconify-json/noto 1.2.9 \
  'sha512-DQiuXENbun41ch+XPSV55H9FaWKpHTyz46YIKtSaKYD4fIDDzL1tR6H4np/T38jfrTAeI3rcKF0mqHYeZVAuaw=='
fetch_art flag-icons flag-icons 7.5.0 \
  'sha512-kd+MNXviFIg5hijH766tt+3x76ele1AXlo4zDdCxIvqWZhKt4T83bOtxUOOMlTx/EcFdUMH5yvQgYlFh1EqqFg=='
