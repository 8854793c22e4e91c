#!/bin/bash
# What Orca says while a learner works the program by keys: starts Orca with
# its debug log, then the program, plays a run of keys (recorrec.py) and
# prints Orca's speech between the steps. Run it in a desktop session:
#   ../shared/tools/desktop-session scripts/lector/transcripcio.sh BUILD_DIR [OUT_DIR]
# Needs orca, xdotool and python3-pyatspi.
set -u
programa=$1/trimbol
sortida=${2:-$(mktemp -d /tmp/transcripcio.XXXXXX)}
mkdir -p "$sortida/casa"
export HOME=$sortida/casa XDG_CONFIG_HOME=$sortida/casa/.config XDG_DATA_HOME=$sortida/casa/.local/share
aqui=$(dirname "$(readlink -f "$0")")
orca --debug-file "$sortida/orca.log" >/dev/null 2>&1 & orca=$!
sleep 8
"$programa" >"$sortida/trimbol.out" 2>&1 & trimbol=$!
sleep 10
SORTIDA=$sortida /usr/bin/python3 "$aqui/recorrec.py"
kill $trimbol; sleep 1; kill $orca
/usr/bin/python3 "$aqui/llegir_registre.py" "$sortida"
