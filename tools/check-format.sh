#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file does not match .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r f; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
  printf 'not formatted (run clang-format -i): %s\n' "${bad[@]}"
  exit 1
fi
echo "format: all $(git ls-files '*.cpp' '*.h' | wc -l) C++ files match .clang-format"
