#!/usr/bin/env bash
# Runs a test program in a desktop session as a screen reader finds it: an X
# server on a virtual display, a session bus with the accessibility bus, and
# Qt's accessibility switched on. Qt sends the events a screen reader hears
# only then: on the offscreen platform it sends none.
#   tests/sessio_accessible.sh PROGRAM [ARGS...]
set -u
for eina in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$eina" >/dev/null || { echo "missing $eina (scripts/setup.sh installs it)" >&2; exit 1; }
done
rt=$(mktemp -d /tmp/trimbol-sessio.XXXXXX)
chmod 700 "$rt"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$rt/pantalla" >/dev/null 2>&1 &
xvfb=$!
acabar() {
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -rf "$rt"
}
trap acabar EXIT
# The server writes its display number once it is ready; ten seconds at most.
for _ in $(seq 100); do
    [ -s "$rt/pantalla" ] && break
    sleep 0.1
done
[ -s "$rt/pantalla" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$rt/pantalla")" XDG_RUNTIME_DIR="$rt" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
timeout 600 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    "$@"
    rc=$?
    kill $bus 2>/dev/null
    exit $rc' _ "$@" 2> >(grep -v "dbus-daemon.*fd limit" >&2)
