#!/usr/bin/env bash
# Time from start to the options window, the one-second splash included,
# with a running speech-dispatcher (espeak-ng module, thousands of voices)
# and with no service at the address.
#   bench/mesura_speechd.sh BUILD_DIR [RUNS]
# Starts a service of its own, in a temporary folder, and stops it at the end.
set -euo pipefail
build=${1:?build folder with -DTRIMBOL_BENCH=ON}
runs=${2:-7}
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

carpeta=$(mktemp -d)
servei=
acabar() {
    [ -n "$servei" ] && kill "$servei" 2>/dev/null && wait "$servei" 2>/dev/null
    rm -rf "$carpeta"
}
trap acabar EXIT

mkdir -p "$carpeta/conf/modules" "$carpeta/log"
cat >"$carpeta/conf/speechd.conf" <<CONF
LogLevel 3
LogDir "$carpeta/log"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
AudioOutputMethod "libao"
CONF
: >"$carpeta/conf/modules/espeak-ng.conf"
speech-dispatcher --run-single --timeout 0 --config-dir "$carpeta/conf" \
    --communication-method unix_socket --socket-path "$carpeta/speechd.sock" \
    --pid-file "$carpeta/pid" >/dev/null 2>&1 &
servei=$!
for _ in $(seq 300); do
    [ -S "$carpeta/speechd.sock" ] && break
    sleep 0.1
done
[ -S "$carpeta/speechd.sock" ] || { echo "the service did not start" >&2; exit 1; }

# Milliseconds from start to the options window for one start.
una() {
    local inici linia
    inici=$(date +%s%N)
    linia=$(SPEECHD_ADDRESS=$1 "$build/trimbol_mesura" splash 2>/dev/null | grep -m1 '^llest')
    awk -v i="$inici" -v l="$linia" 'BEGIN { split(l, c, " "); printf "%.0f\n", (c[2] - i) / 1e6 }'
}

mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

amb=()
sense=()
una "unix_socket:$carpeta/speechd.sock" >/dev/null # warm the caches
for _ in $(seq "$runs"); do
    sense+=("$(una "unix_socket:$carpeta/no-service.sock")")
    amb+=("$(una "unix_socket:$carpeta/speechd.sock")")
done
ms=$(printf '%s\n' "${sense[@]}" | mediana)
ma=$(printf '%s\n' "${amb[@]}" | mediana)
echo "without the service: ${sense[*]} ms, median $ms ms"
echo "with the service:    ${amb[*]} ms, median $ma ms"
awk -v a="$ma" -v s="$ms" 'BEGIN { printf "the service adds %.0f ms (median)\n", a - s }'
