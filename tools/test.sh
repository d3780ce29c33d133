#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks the formatting of the C++ sources, builds everything with GCC and warnings as errors
# and runs the whole test suite: unit, widget, end-to-end and command-line tests, the install
# rules, the desktop file validators and the tarball; then builds everything with clang, also
# at -Werror, and runs the tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# last the parsers' fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --test-tools
# Formatting first: it fails in seconds, before the build.
bash tools/format.sh --check
cmake --preset default >/dev/null
cmake --build --preset default
ctest_status=0
ctest --preset default | tee build/ctest.log || ctest_status=$?

# One closing line for the whole run, over both builds; CTest counts a skipped test among
# the passed.
summary() {
  local total=0 failed=0 skipped=0 log t f
  for log in build/ctest.log build-sanitize/ctest.log; do
    [ -f "$log" ] || continue
    t=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n1)
    f=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n1)
    total=$((total + ${t:-0})); failed=$((failed + ${f:-0}))
    skipped=$((skipped + $(grep -c '(Skipped)$' "$log" || true)))
  done
  echo "tests: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
}
rm -f build-sanitize/ctest.log
if [ "$ctest_status" -ne 0 ]; then
  summary
  exit "$ctest_status"
fi

# Everything again with clang, at -Werror, under AddressSanitizer and UndefinedBehaviorSanitizer:
# the core, UI, widget, end-to-end and command-line tests. The checks of the sources and of the
# installed tree do not depend on the compiler and ran above.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -E '^(source_licence_lines|source_formatting|install_.*)$' | tee build-sanitize/ctest.log \
  || ctest_status=$?
if [ "$ctest_status" -ne 0 ]; then
  summary
  exit "$ctest_status"
fi
bash tools/fuzz.sh "${FUZZ_SECONDS:-20}"

summary
