#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillop need,
# but only those that are missing. Runs as root, or through sudo.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev
    qt6-image-formats-plugins qt6-qpa-plugins libgl-dev
    tinyproxy-bin xvfb xauth x11-apps x11-utils xdotool imagemagick fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    nginx-light curl python3 util-linux
    libcurl4-openssl-dev openssl microsocks
    clang-14 libclang-rt-14-dev
    at-spi2-core dbus python3-gi gir1.2-atspi-2.0
    bash-completion
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n cmark fonts-ipafont-gothic
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
