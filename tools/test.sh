#!/usr/bin/env bash
# Builds everything and runs the whole test suite: unit, widget and end-to-end
# tests, then the parsers' fuzz targets briefly under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
bash tools/fuzz.sh "${FUZZ_SECONDS:-20}"
