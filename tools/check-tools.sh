#!/usr/bin/env bash
# Checks that every outside program Tumblewick and its build call really works
# here (installed is not enough: wmf2svg without its fonts fails on every
# picture). Prints one line per tool; exits 1 when any fails.
set -uo pipefail
cd "$(dirname "$0")/.."
samples=tests/fuzz/corpus/picture
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

check() { # name, what it is for, command...
    local name=$1 purpose=$2
    shift 2
    local out
    if out=$("$@" 2>&1); then
        echo "ok    $name"
    else
        echo "FAIL  $name ($purpose) does not work: $(echo "$out" | tail -n 3 | tr '\n' ' ')"
        failed=1
    fi
}
nonempty() { test -s "$1" || { echo "no output written to $1"; return 1; }; }

check wmf2svg "Windows metafile pictures" \
    bash -c "wmf2svg -o '$work/w.svg' '$samples/red.wmf' && grep -q '<svg' '$work/w.svg'"
check emf2svg-conv "enhanced metafile pictures" \
    bash -c "emf2svg-conv -i '$samples/empty.emf' -o '$work/e.svg' && grep -q '<svg' '$work/e.svg'"
check espeak-ng "the spoken names of the shipped content" \
    bash -c "espeak-ng -w '$work/s.wav' 'cat' && $(declare -f nonempty); nonempty '$work/s.wav'"
check convert "screenshots (imagemagick)" \
    bash -c "convert -size 4x4 xc:red '$work/c.png' && $(declare -f nonempty); nonempty '$work/c.png'"
check pulseaudio "the recorded-sound tests (a private server and its recorder)" \
    bash -c "pulseaudio --version && command -v parec"
check pdftoppm "the printing tests read their pages back (poppler-utils)" \
    bash -c "pdftoppm -v"
check xvfb-run "looking at the program without a display" bash -c "command -v xvfb-run"
check clang-format "the format check" bash -c "clang-format --version"
art="${TUMBLEWICK_ART_DIR:-$HOME/.cache/tumblewick/art}"
check vector-art "sharp pictures (tools/install-deps.sh fetches them with npm)" \
    bash -c "test -s '$art/noto/icons.json' && test -s '$art/flag-icons/flags/4x3/fr.svg'"
check andika "the reading font of captions (fonts-sil-andika)" \
    test -s /usr/share/fonts/truetype/andika/Andika-Regular.ttf
exit $failed
