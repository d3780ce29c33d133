#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the launcher alone (no tests, benchmarks or fuzz targets), stages the demo
# installation in build/demo and starts the launcher there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset demo >/dev/null
cmake --build --preset demo
exec build/demo/quake2/TARRAKIND/tarrakind
