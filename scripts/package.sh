#!/usr/bin/env bash
# Builds the Debian packages of the shell and the SDK (quillmark, quillmark-sdk) from a release
# build with Debian's hardening flags in build-package/, checks them with lintian and prints
# their paths. Only the targets that the packages carry are built.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=build-package
if [[ ! -f $dir/CMakeCache.txt ]]; then
    eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g \
        dpkg-buildflags --export=sh)"
    # CMake reads no CPPFLAGS of its own.
    CXXFLAGS="$CPPFLAGS $CXXFLAGS" cmake -S . -B "$dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
fi
cmake --build "$dir" -j2 --target quillmark QuillmarkSdk QuillmarkPluginKit
rm -rf "$dir/packages"
(cd "$dir" && cpack -G DEB)
packages=("$dir"/packages/*.deb)
lintian --fail-on error,warning --info "${packages[@]}"
echo "lintian: no errors or warnings (overrides: packaging/*.lintian-overrides)"
printf '%s\n' "${packages[@]}"
