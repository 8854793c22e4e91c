#!/usr/bin/env bash
# Start-up time (the splash left out) and peak memory of trimbol against a
# bare Qt dialog program, and the CPU time trimbol uses while it waits.
#   bench/mesura_arrencada.sh BUILD_DIR [RUNS]
# Uses the display in DISPLAY when there is one, the offscreen platform
# otherwise.
set -euo pipefail
build=${1:?build folder with -DTRIMBOL_BENCH=ON}
runs=${2:-15}
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

# Prints "milliseconds kibibytes" for one start of the given program; the
# time leaves out the splash, which the program reports.
una() {
    local inici linia
    inici=$(date +%s%N)
    linia=$("$@" 2>/dev/null | grep -m1 '^llest')
    awk -v i="$inici" -v l="$linia" 'BEGIN { split(l, c, " "); printf "%.1f %d\n", (c[2] - i) / 1e6 - c[4], c[3] }'
}

mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A temps memoria
for programa in dialeg_nu trimbol_mesura; do
    "$build/$programa" >/dev/null 2>&1 || true # warm the file cache
    resultats=$(for _ in $(seq "$runs"); do una "$build/$programa"; done)
    temps[$programa]=$(cut -d' ' -f1 <<<"$resultats" | mediana)
    memoria[$programa]=$(cut -d' ' -f2 <<<"$resultats" | mediana)
    echo "$programa: start-up ${temps[$programa]} ms, peak memory ${memoria[$programa]} KiB (median of $runs)"
done
awk -v t="${temps[trimbol_mesura]}" -v b="${temps[dialeg_nu]}" -v m="${memoria[trimbol_mesura]}" -v n="${memoria[dialeg_nu]}" \
    'BEGIN { printf "ratio: start-up %.2f, memory %.2f\n", t / b, m / n }'

resultats=$(for _ in $(seq "$runs"); do una "$build/trimbol_mesura" sensemotors; done)
echo "trimbol_mesura without the desktop's speech engines: start-up $(cut -d' ' -f1 <<<"$resultats" | mediana) ms, peak memory $(cut -d' ' -f2 <<<"$resultats" | mediana) KiB"

"$build/trimbol_mesura" espera 2>/dev/null | grep '^espera'
"$build/trimbol_mesura" opcions 2>/dev/null | grep '^opcions'
