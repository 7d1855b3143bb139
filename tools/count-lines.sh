#!/usr/bin/env bash
# Counts the non-blank, non-comment lines of the code (src/) and the tests
# (tests/), and their ratio. Comments are // lines and /* */ blocks.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
  find "$1" -name '*.cpp' -o -name '*.h' | sort | xargs cat |
    awk '
      { line = $0 }
      inblock { if (line ~ /\*\//) { sub(/.*\*\//, "", line); inblock = 0 } else next }
      { while (line ~ /\/\*/) { if (line ~ /\/\*.*\*\//) sub(/\/\*([^*]|\*+[^*\/])*\*+\//, "", line); else { sub(/\/\*.*/, "", line); inblock = 1 } } }
      { sub(/^[ \t]+/, "", line) }
      line == "" || line ~ /^\/\// { next }
      { n++ }
      END { print n + 0 }'
}
code=$(count src)
tests=$(count tests)
echo "code (src/): $code lines"
echo "tests (tests/): $tests lines"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests / code: %.2f\n", t / c }'
