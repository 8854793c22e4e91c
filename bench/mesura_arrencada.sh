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

# The programs take turns, so that a machine growing slower or faster
# during the runs weighs on all of them alike.
programes=(dialeg_nu trimbol_mesura "trimbol_mesura sensemotors")
declare -A resultats temps memoria
# Runs one entry of the list above, a program and its arguments.
executar() {
    local -a ordre
    read -ra ordre <<<"$2"
    "$1" "$build/${ordre[0]}" "${ordre[@]:1}"
}
for programa in "${programes[@]}"; do
    executar env "$programa" >/dev/null 2>&1 || true # warm the file cache
done
for _ in $(seq "$runs"); do
    for programa in "${programes[@]}"; do
        resultats[$programa]+="$(executar una "$programa")"$'\n'
    done
done
for programa in "${programes[@]}"; do
    temps[$programa]=$(grep . <<<"${resultats[$programa]}" | cut -d' ' -f1 | mediana)
    memoria[$programa]=$(grep . <<<"${resultats[$programa]}" | cut -d' ' -f2 | mediana)
    echo "$programa: start-up ${temps[$programa]} ms, peak memory ${memoria[$programa]} KiB (median of $runs)"
done
for programa in trimbol_mesura "trimbol_mesura sensemotors"; do
    awk -v p="$programa" -v t="${temps[$programa]}" -v b="${temps[dialeg_nu]}" -v m="${memoria[$programa]}" -v n="${memoria[dialeg_nu]}" \
        'BEGIN { printf "ratio of %s: start-up %.2f, memory %.2f\n", p, t / b, m / n }'
done

"$build/trimbol_mesura" espera 2>/dev/null | grep '^espera'
"$build/trimbol_mesura" opcions 2>/dev/null | grep '^opcions'
