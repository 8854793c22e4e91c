#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIMBOL_TESTS=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "trimbol needs a graphical desktop: no DISPLAY or WAYLAND_DISPLAY is set." >&2
    echo "Start it from a desktop session, or under Xvfb: xvfb-run ./build/trimbol" >&2
    exit 1
fi
exec ./build/trimbol "$@"
