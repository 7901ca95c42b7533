#!/usr/bin/env bash
# Configures (once) and builds the default preset into build/: everything, or the targets given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [[ ! -f build/CMakeCache.txt ]]; then
    cmake --preset default
fi
if (($# > 0)); then
    cmake --build --preset default --target "$@"
else
    cmake --build --preset default
fi
