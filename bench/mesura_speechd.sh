#!/usr/bin/env bash
# Start-up of trimbol with the real one-second splash, against three desktops:
# no speech service at the address, a running speech-dispatcher (espeak-ng
# module, thirteen thousand voices), and a service that takes connections and
# never answers (as speech-dispatcher does once its audio server is gone).
# For each: when the splash appears, when the options window takes input, the
# peak memory then, and how long closing takes (medians).
#   bench/mesura_speechd.sh BUILD_DIR [RUNS]
# Starts the services of its own in a temporary folder and stops them at the end.
set -euo pipefail
build=${1:?build folder with -DTRIMBOL_BENCH=ON}
runs=${2:-7}
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

carpeta=$(mktemp -d)
pids=()
acabar() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
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
pids+=($!)
# The silent service: listens, never accepts, never answers.
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(128)
while True: time.sleep(60)' "$carpeta/mut.sock" &
pids+=($!)
for _ in $(seq 300); do
    [ -S "$carpeta/speechd.sock" ] && [ -S "$carpeta/mut.sock" ] && break
    sleep 0.1
done
[ -S "$carpeta/speechd.sock" ] || { echo "the service did not start" >&2; exit 1; }

# "splash_ms options_ms peak_KiB closing_ms" for one start.
una() {
    local inici sortida fi
    inici=$(date +%s%N)
    sortida=$(SPEECHD_ADDRESS=$1 "$build/trimbol_mesura" splash 2>/dev/null)
    fi=$(date +%s%N)
    awk -v i="$inici" -v f="$fi" '
        $1 == "llest" { o = $2; m = $3 } $1 == "splash" { s = $2 } $1 == "tancar" { t = $2 }
        END { printf "%.0f %.0f %d %.0f\n", (s - i) / 1e6, (o - i) / 1e6, m, (f - t) / 1e6 }' <<<"$sortida"
}

mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A adreces=(
    [none]="unix_socket:$carpeta/no-service.sock"
    [running]="unix_socket:$carpeta/speechd.sock"
    [silent]="unix_socket:$carpeta/mut.sock"
)
casos=(none running silent)
declare -A resultats
una "${adreces[running]}" >/dev/null # warm the caches
for _ in $(seq "$runs"); do
    for cas in "${casos[@]}"; do
        resultats[$cas]+="$(una "${adreces[$cas]}")"$'\n'
    done
done
for cas in "${casos[@]}"; do
    columna() { grep . <<<"${resultats[$cas]}" | cut -d' ' -f"$1" | mediana; }
    echo "$cas service: splash $(columna 1) ms, options window $(columna 2) ms," \
        "peak memory $(columna 3) KiB, closing $(columna 4) ms (median of $runs)"
done
