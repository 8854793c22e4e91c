#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# then configures and builds one build folder. Safe to run again.
#   scripts/setup.sh [BUILD_DIR [cmake options...]]
# Without a build folder it only installs the packages.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-speech-dev qt6-declarative-dev
    qt6-charts-dev libqt6sql6-sqlite
    libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
    libgl-dev libespeak-ng-dev espeak-ng-data libpcaudio-dev
    fonts-open-sans fonts-comic-neue fonts-crosextra-carlito
    clang libclang-rt-14-dev libbenchmark-dev
    librsvg2-bin dpkg-dev appstream desktop-file-utils
    lintian
    qt6-wayland weston
    xvfb dbus at-spi2-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if (($# == 0)); then
    exit 0
fi
build_dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
