#!/usr/bin/env bash
# Installs the build into a temporary prefix: the installed program starts from there (offscreen)
# and finds its content, nothing the build tree's runs wrote is installed, and the desktop entry
# and the AppStream file pass their validators.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in bin/tumblewick share/tumblewick/Education.htm share/tumblewick/Manual/PaintBox.png \
    share/tumblewick/Animals share/tumblewick/Sounds share/tumblewick/Characters/Owl.twc \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
    "share/icons/hicolor/256x256/apps/$id.png" share/doc/tumblewick/LICENSE; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
leftovers=$(find "$share/tumblewick" -maxdepth 1 \( -name Settings.dta -o -name 'Temp*.bmp' \
    -o -name Tumblewick.bmp \) | head -3)
[ -z "$leftovers" ] || fail "files written by a run are installed: $leftovers"

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" \
    || fail "appstreamcli validate"

export HOME=$prefix/home QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$prefix/home/data
mkdir -p "$HOME"
folders=$("$prefix/bin/tumblewick" --folders)
grep -qx "Content: $share/tumblewick" <<<"$folders" || fail "content folder: $folders"
"$prefix/bin/tumblewick" --version | grep -q '^Tumblewick [0-9]*\.[0-9]*\.[0-9]*$' \
    || fail "--version"

# Started from the installed place it builds its window and keeps running.
"$prefix/bin/tumblewick" >"$prefix/run.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$prefix/run.log" >&2; fail "the installed program stopped"; }
echo "installed program runs from $prefix"
