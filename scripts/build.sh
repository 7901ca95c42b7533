#!/usr/bin/env bash
# Configures (once) and builds the default preset into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [[ ! -f build/CMakeCache.txt ]]; then
    cmake --preset default
fi
cmake --build --preset default
