#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the sanitizer configuration and runs every fuzz target for the given
# number of seconds (default 60), seeded with the test data.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset sanitize >/dev/null
targets=$(ls fuzz/*.cpp 2>/dev/null | xargs -r -n1 basename | sed 's/\.cpp$//')
[ -n "$targets" ] || { echo "no fuzz targets"; exit 0; }
cmake --build --preset sanitize --target $targets
for t in $targets; do
  corpus="build-sanitize/corpus/$t"
  mkdir -p "$corpus"
  case "$t" in
    fuzz_zip) seeds=tests/data/zip ;;
    fuzz_pcx) seeds=tests/data/pcx ;;
    fuzz_ini) seeds=tests/data/ini/cases ;;
    *) seeds="" ;;
  esac
  echo "fuzzing $t for ${seconds}s"
  build-sanitize/fuzz/"$t" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 \
    "$corpus" $( [ -n "$seeds" ] && [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 2
done
echo "fuzz targets ran clean"
