#!/usr/bin/env bash
# Fails when an ELF binary carries an empty or relative library search path.
# The loader reads an empty entry, or one like "lib", against the current
# folder, so a program started from a folder holding a library of the same
# name would map that file. Absolute folders and $ORIGIN are fine.
#   comprova_camins.sh FILE...        the binaries themselves
#   comprova_camins.sh -l LIST        one binary a line in LIST
set -euo pipefail

fitxers=()
if [ "${1:-}" = "-l" ]; then
    mapfile -t fitxers < "$2"
else
    fitxers=("$@")
fi
if ((${#fitxers[@]} == 0)); then
    echo "no binaries to check" >&2
    exit 1
fi

# True when every entry of a colon-separated list is absolute or $ORIGIN.
camins_segurs() {
    local resta=$1 e
    while :; do
        e=${resta%%:*}
        case $e in
            /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
            *) return 1 ;;
        esac
        [[ $resta == *:* ]] || return 0
        resta=${resta#*:}
    done
}

errors=0
for f in "${fitxers[@]}"; do
    [ -n "$f" ] || continue
    if [ ! -f "$f" ]; then
        echo "missing: $f" >&2
        errors=1
        continue
    fi
    # "0x...1d (RUNPATH)  Library runpath: [a:b]"; the brackets hold the list.
    while IFS= read -r linia; do
        llista=${linia#*[}
        llista=${llista%]}
        if ! camins_segurs "$llista"; then
            echo "$f: search path [$llista] has an empty or relative entry, read against the current folder" >&2
            errors=1
        fi
    done < <(LC_ALL=C readelf -d -W "$f" | grep -E '\((RPATH|RUNPATH)\)' || true)
done
if ((errors == 0)); then
    echo "${#fitxers[@]} binaries, no empty or relative search path"
fi
exit "$errors"
