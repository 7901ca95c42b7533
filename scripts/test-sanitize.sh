#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and runs the
# test suite under them; given test names, builds and runs only those tests. Any finding fails
# the test that caused it. Leak detection is off (ASAN_OPTIONS=detect_leaks=0 in the sanitize
# test preset): Qt keeps process-wide caches, plug-in loaders and QML type data until exit,
# which LeakSanitizer would report on every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [[ ! -f build-sanitize/CMakeCache.txt ]]; then
    cmake --preset sanitize
fi
if (($# > 0)); then
    cmake --build --preset sanitize --target "$@"
    pattern=$(IFS='|'; echo "$*")
    ctest --preset sanitize -R "^($pattern)\$"
else
    cmake --build --preset sanitize
    ctest --preset sanitize
fi
