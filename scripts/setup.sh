#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Quillmark need.
# Idempotent: when everything is present it does not touch apt at all.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-5compat-dev
    qml6-module-qtquick qml6-module-qtqml qml6-module-qt5compat-graphicaleffects
    qml6-module-qtquick-controls qml6-module-qtcore qml6-module-qt-labs-folderlistmodel
    qml6-module-qtquick-dialogs qml6-module-qtquick-layouts qml6-module-qtquick-templates
    qml6-module-qtquick-window qml6-module-qtqml-models qml6-module-qtqml-workerscript
    qml6-module-qttest qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
    qt6-qpa-plugins libgl-dev fonts-liberation
    xvfb xauth xdotool imagemagick curl librsvg2-bin poppler-utils
    clang libclang-rt-14-dev
)
# The Debian packages: dpkg-shlibdeps finds their library dependencies, lintian checks them.
packages+=(dpkg-dev lintian file)
# Liberation covers Latin, Greek and Cyrillic; these add a fallback and the Chinese glyphs.
packages+=(fonts-dejavu-core fonts-wqy-microhei)
# Transfers (libcurl with OpenSSL, whose libcrypto also checks the Ed25519 signatures of
# plug-ins and updates), and nginx with test certificates for the HTTPS tests.
packages+=(libcurl4-openssl-dev libssl-dev openssl nginx-light)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
