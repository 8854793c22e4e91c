#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks it:
# every file the install rules promise is in it and nothing else; the program
# there answers --version, maps the engine library from its own tree and has
# its help pages where it looks for them; the binaries are stripped, carry
# no search path read against the current folder and were built with
# Debian's hardening flags; the dependency line names what the program opens
# at run time and no build or test tool; the package carries its licence
# terms and changelog and no maintainer scripts; lintian, when installed,
# reports no error and no warning.
#   tests/paquet/comprova_paquet.sh WORK_DIR
set -euo pipefail
arrel=$(cd "$(dirname "$0")/../.." && pwd)
treball=$(realpath -m "$1")
mkdir -p "$treball"
build=$treball/build
errors=0
falla() {
    echo "FAIL: $*" >&2
    errors=1
}

deb=$("$arrel/scripts/package.sh" "$build" "$treball/dist")
versio=$(sed -n 's/^project(trimbol VERSION \([0-9.]*\).*/\1/p' "$arrel/CMakeLists.txt")
arquitectura=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "trimbol_${versio}_${arquitectura}.deb" ] ||
    falla "package named $(basename "$deb")"

desempaquetat=$treball/arrel
rm -rf "$desempaquetat" "$treball/instal"
dpkg-deb -x "$deb" "$desempaquetat"

# The install rules' own list of files, installed by CMake into a staging
# root, against the files in the package.
DESTDIR=$treball/instal cmake --install "$build" --prefix /usr > /dev/null
promesos=$(sed 's|^/||' "$build/install_manifest.txt" | sort)
empaquetats=$(cd "$desempaquetat" && find . -type f -o -type l | sed 's|^\./||' | sort)
falten=$(comm -23 <(echo "$promesos") <(echo "$empaquetats"))
sobren=$(comm -13 <(echo "$promesos") <(echo "$empaquetats"))
[ -z "$falten" ] || falla "missing from the package: $falten"
[ -z "$sobren" ] || falla "in the package but in no install rule: $sobren"
for f in usr/bin/trimbol usr/lib/trimbol/libupctv.so usr/share/trimbol/ajuda/index.html \
    usr/share/doc/trimbol/copyright usr/share/doc/trimbol/changelog.gz \
    usr/share/applications/trimbol.desktop usr/share/metainfo/cat.trimbol.trimbol.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/trimbol.svg usr/share/man/man1/trimbol.1.gz \
    usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/trimbol.png; do
    [ -f "$desempaquetat/$f" ] || falla "no $f in the package"
done

programa=$desempaquetat/usr/bin/trimbol
resposta=$("$programa" --version) || falla "trimbol --version failed"
[ "$resposta" = "trimbol $versio" ] || falla "trimbol --version said '$resposta'"

# The program opens its engine library while it starts; it must be the one
# in its own tree (bin/../lib/trimbol), not one installed elsewhere.
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
# The desktop's speech service is pointed at a port nobody serves, so that
# a speech-dispatcher on this machine neither starts nor slows the check.
# A process group of its own, so that whatever it forks ends with it.
(cd "$casa" && exec setsid env HOME="$casa" XDG_CONFIG_HOME="$casa/config" XDG_RUNTIME_DIR="$casa" \
    SPEECHD_ADDRESS=inet_socket:127.0.0.1:9 QT_QPA_PLATFORM=offscreen \
    "$programa" > "$casa/sortida" 2>&1) &
pid=$!
biblioteca=$desempaquetat/usr/lib/trimbol/libupctv.so
trobada=0
for _ in $(seq 600); do
    if grep -qF "$biblioteca" "/proc/$pid/maps" 2> /dev/null; then
        trobada=1
        break
    fi
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
done
kill -- "-$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
((trobada)) || falla "the unpacked program did not load $biblioteca: $(cat "$casa/sortida")"
# The options window looks for its help pages in ../share/trimbol/ajuda.
for pagina in {index,autors,veus,vorelk}{,.es}.html; do
    [ -f "$(dirname "$programa")/../share/trimbol/ajuda/$pagina" ] || falla "help page $pagina not found"
done

for b in "$programa" "$biblioteca"; do
    seccions=$(LC_ALL=C readelf -S -W "$b")
    if grep -qE '\.(symtab|debug_info)\b' <<< "$seccions"; then
        falla "$b is not stripped"
    fi
done
"$arrel/tests/binaris/comprova_camins.sh" "$programa" "$biblioteca" || falla "search paths"

# Debian's hardening: relocations bound and made read-only at start-up, and
# the fortified variants of the C library's functions. (readelf's output
# goes through variables, not pipes: grep -q would end readelf early, which
# pipefail takes for a failure.)
for b in "$programa" "$biblioteca"; do
    dinamica=$(LC_ALL=C readelf -d -W "$b")
    grep -qE '\(FLAGS\).*\bBIND_NOW\b|\(FLAGS_1\).*\bNOW\b' <<< "$dinamica" ||
        falla "$b is not bound at start-up (-z now)"
    capcaleres=$(LC_ALL=C readelf -l -W "$b")
    grep -q GNU_RELRO <<< "$capcaleres" || falla "$b has no read-only relocations"
done
simbols=$(LC_ALL=C readelf --dyn-syms -W "$programa")
grep -qE '__[a-z_]+_chk\b' <<< "$simbols" ||
    falla "$programa calls no fortified function (_FORTIFY_SOURCE)"

# Licence terms in the machine-readable format, a Debian changelog whose
# latest entry is this version, and no maintainer scripts: the engine
# library's folder is private, so ldconfig has nothing to do for it.
copyright=$desempaquetat/usr/share/doc/trimbol/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    falla "copyright is not in the machine-readable format"
grep -qx 'License: GPL-3+' "$copyright" || falla "copyright names no GPL-3+ licence"
primera=$(zcat "$desempaquetat/usr/share/doc/trimbol/changelog.gz" | head -1)
[[ "$primera" == "trimbol ($versio) "* ]] || falla "changelog starts with '$primera'"
guions=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -E '^(pre|post)(inst|rm)$' || true)
[ -z "$guions" ] || falla "maintainer scripts in the package: $guions"

depen=$(dpkg-deb -f "$deb" Depends)
for d in libespeak-ng1 espeak-ng-data fonts-crosextra-carlito fonts-open-sans fonts-comic-neue \
    qt6-qpa-plugins qt6-wayland libqt6widgets6 libqt6texttospeech6 libspeechd2 libqt6sql6-sqlite libqt6charts6; do
    [[ ", $depen," == *", $d"[\ ,]* ]] || falla "Depends lacks $d: $depen"
done
# flite brings megabytes of English voices that the program never lists.
[[ "$depen" != *flite* ]] || falla "Depends names flite: $depen"
if grep -qE 'libqt6test|cmake|ninja|-dev\b|libbenchmark|clang|gcc-[0-9]|g\+\+' <<< "$depen"; then
    falla "Depends names a build or test tool: $depen"
fi

recomana=$(dpkg-deb -f "$deb" Recommends)
for r in speech-dispatcher speech-dispatcher-espeak-ng xdg-utils festvox-ca-ona-hts; do
    [[ ", $recomana," == *", $r"[\ ,]* ]] || falla "Recommends lacks $r: $recomana"
done

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$desempaquetat/usr/share/applications/trimbol.desktop" || falla "desktop entry"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$desempaquetat/usr/share/metainfo/cat.trimbol.trimbol.metainfo.xml" ||
        falla "AppStream entry"
fi

# lintian: any error or warning fails the check; the notes it gives at the
# info level are printed.
if command -v lintian > /dev/null; then
    informe=$(lintian -I "$deb" 2>&1) || true
    echo "lintian:"
    echo "${informe:-  (nothing to report)}"
    if grep -qE '^[EW]: ' <<< "$informe"; then
        falla "lintian reports errors or warnings"
    fi
fi

echo "package: $deb ($(stat -c %s "$deb") bytes, $(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
echo "Depends: $depen"
exit "$errors"
