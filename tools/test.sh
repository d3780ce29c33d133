#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks the formatting of the C++ sources, builds everything with warnings as errors and
# runs the whole test suite: unit, widget, end-to-end and command-line tests, the install
# rules, the desktop file validators and the tarball; then the core's tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the parsers' fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --test-tools
# Formatting first: it fails in seconds, before the build.
bash tools/format.sh --check
cmake --preset default >/dev/null
cmake --build --preset default
ctest_status=0
ctest --preset default | tee build/ctest.log || ctest_status=$?

# One closing line for the whole run; CTest counts a skipped test among the passed.
summary() {
  local total failed skipped
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' build/ctest.log | tail -n1)
  failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' build/ctest.log | tail -n1)
  skipped=$(grep -c '(Skipped)$' build/ctest.log || true)
  echo "tests: $((${total:-0} - ${failed:-0} - skipped)) passed, ${failed:-0} failed, $skipped skipped"
}
if [ "$ctest_status" -ne 0 ]; then
  summary
  exit "$ctest_status"
fi

cmake --preset sanitize >/dev/null
core_tests=""
for dir in tests/*/; do
  name=$(basename "$dir")
  case "$name" in ui|support|data|golden|e2e) continue ;; esac
  compgen -G "$dir*.cpp" >/dev/null && core_tests="$core_tests test_$name"
done
cmake --build --preset sanitize --target $core_tests
for t in $core_tests; do
  echo "sanitized: $t"
  QT_QPA_PLATFORM=offscreen build-sanitize/tests/"$t" --gtest_brief=1
done
bash tools/fuzz.sh "${FUZZ_SECONDS:-20}"

summary
