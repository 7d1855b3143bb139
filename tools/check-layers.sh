#!/usr/bin/env bash
# Lists which src/ folders include which, and fails on an include that goes up
# the layers: app -> shell -> rooms (quiz, puzzle, speech, paint, print, help)
# -> common -> platform. Rooms do not include each other; shell/Educate.h is
# included only inside shell/ and app/. "tumblewick/" is the generated
# version header, below every folder.
set -euo pipefail
cd "$(dirname "$0")/../src"
rank() {
  case "$1" in
    app) echo 4 ;; shell) echo 3 ;; common) echo 1 ;; platform) echo 0 ;; *) echo 2 ;;
  esac
}
status=0
pairs=$(grep -rEo '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . |
  sed -E 's#^\./([a-z]+)/.*:\#include "([a-z]+)/#\1 \2#' | sort -u)
while read -r from to; do
  [ "$from" = "$to" ] || [ "$to" = tumblewick ] && continue
  echo "$from -> $to"
  if [ "$(rank "$from")" -le "$(rank "$to")" ]; then
    echo "  not allowed: $from may not include $to" >&2
    status=1
  fi
done <<<"$pairs"
if grep -rl '"shell/Educate.h"' . | grep -vE '^\./(shell|app)/' >&2; then
  echo "  not allowed: shell/Educate.h included outside shell/ and app/" >&2
  status=1
fi
exit $status
