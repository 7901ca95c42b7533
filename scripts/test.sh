#!/usr/bin/env bash
# Builds everything and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default
