#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Every source file of the project names its licence in its first lines. Without
# arguments adds the SPDX line where it is missing; with --check only lists those files
# and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
line="SPDX-License-Identifier: GPL-2.0-or-later"
missing=0
while IFS= read -r -d '' file; do
  [[ "$(head -n 3 "$file")" == *"$line"* ]] && continue
  missing=1
  if [ "${1:-}" = "--check" ]; then
    echo "no licence line: $file"
    continue
  fi
  case "$file" in
    *.cpp | *.h | *.h.in) sed -i "1i // $line" "$file" ;;
    *) if head -n1 "$file" | grep -q '^#!'; then sed -i "1a # $line" "$file"; else sed -i "1i # $line" "$file"; fi ;;
  esac
done < <(git ls-files -z --cached --others --exclude-standard -- src tests bench fuzz tools desktop .ci CMakeLists.txt \
  | grep -zE '(\.(cpp|h|h\.in|sh|cmake)|CMakeLists\.txt|^\.ci/run)$' | grep -zvE '^tests/(data|golden)/')
[ "${1:-}" = "--check" ] && [ "$missing" -ne 0 ] && exit 1
exit 0
