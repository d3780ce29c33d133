#!/usr/bin/env bash
# Builds the launcher, stages the demo installation in build/demo and starts the
# launcher there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/demo/quake2/TARRAKIND/tarrakind
