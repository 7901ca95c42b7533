#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# and runs the test suite under them (or the tests whose names match the ctest -R pattern
# given). Any finding fails the test that caused it. Leak detection is off
# (ASAN_OPTIONS=detect_leaks=0 in the sanitize test preset): Qt keeps process-wide caches, plug-in
# loaders and QML type data until exit, which LeakSanitizer would report on every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [[ ! -f build-sanitize/CMakeCache.txt ]]; then
    cmake --preset sanitize
fi
cmake --build --preset sanitize
if (($# > 0)); then
    ctest --preset sanitize -R "$1"
else
    ctest --preset sanitize
fi
