#!/usr/bin/env bash
# The command-line options of the program: --app-folder names the content folder, which is
# also where files are written when it can be; otherwise they go to the user's data folder.
# Usage: options_test.sh PROGRAM CONTENT_DIR
set -euo pipefail
program=$1
content=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export HOME=$tmp/home QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$tmp/data
mkdir -p "$HOME" "$tmp/mine"
user=$XDG_DATA_HOME/Tumblewick/Tumblewick/

expect_folders() { # expected content folder, expected write folder, options...
    local want="Content: $1"$'\n'"Settings and pictures: $2"
    shift 2
    local got
    got=$("$program" --folders "$@") || fail "$* exited with $?"
    [ "$got" = "$want" ] || fail "$*: got '$got', want '$want'"
}
expect_folders "$tmp/mine" "$tmp/mine/" --app-folder "$tmp/mine"
(cd "$tmp" && expect_folders "$tmp/mine" "$tmp/mine/" --app-folder mine)
expect_folders /proc "$user" --app-folder /proc # a folder no one can write in
[ -d "$user" ] || fail "the user's data folder was not created"
expect_folders "$tmp/none" "$user" --app-folder "$tmp/none"
expect_folders "$(cd "$content" && pwd)" "$(cd "$content" && pwd)/" # beside the program

"$program" --help | grep -q -- '--app-folder <DIR>' || fail "--help does not list --app-folder"
if "$program" --no-such-option >/dev/null 2>&1; then fail "an unknown option was accepted"; fi
echo "options work"
