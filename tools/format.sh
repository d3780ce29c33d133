#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The C++ sources follow .clang-format. Without arguments formats those that drifted;
# with --check only lists them and fails when there are any. Exits 77 (a skip for CTest)
# when clang-format is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format not found: formatting not checked"
  exit 77
fi
drifted=0
while IFS= read -r -d '' file; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 && continue
  drifted=1
  if [ "${1:-}" = "--check" ]; then
    echo "not formatted: $file"
  else
    clang-format -i "$file"
  fi
done < <(git ls-files -z --cached --others --exclude-standard -- src tests bench fuzz tools \
  | grep -zE '\.(cpp|h)$' | grep -zvE '^tests/(data|golden)/')
if [ "${1:-}" = "--check" ] && [ "$drifted" -ne 0 ]; then
  echo "run tools/format.sh to format them"
  exit 1
fi
exit 0
