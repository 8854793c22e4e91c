#!/usr/bin/env bash
# Builds a Release copy of the program and writes its Debian package,
# dist/trimbol_<version>_<arch>.deb, through CPack. Prints the package's path.
#   scripts/package.sh [BUILD_DIR [DIST_DIR]]     (build-package/ and dist/)
# The binaries get Debian's hardening flags, as dpkg-buildflags gives them
# with every hardening feature on (fortified functions, stack protector,
# read-only relocations bound at start-up).
set -euo pipefail
arrel=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$arrel/build-package}")
dist=$(realpath -m "${2:-$arrel/dist}")

# dpkg-buildflags comes with dpkg-dev, which setup.sh installs; the flags
# are asked for afterwards, and given to CMake on every run, so a build
# folder configured before takes them too. CMake has no CPPFLAGS of its own.
"$arrel/scripts/setup.sh"
bandera() { (cd "$arrel" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
cppflags=$(bandera CPPFLAGS)
"$arrel/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release \
    -DTRIMBOL_TESTS=OFF -DTRIMBOL_SANITIZE=OFF -DTRIMBOL_BENCH=OFF \
    "-DCMAKE_C_FLAGS=$cppflags $(bandera CFLAGS)" \
    "-DCMAKE_CXX_FLAGS=$cppflags $(bandera CXXFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(bandera LDFLAGS)" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$(bandera LDFLAGS)" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$(bandera LDFLAGS)" >&2
rm -rf "$build/cpack"
(cd "$build" && cpack -G DEB -B "$build/cpack" >&2)

debs=("$build"/cpack/trimbol_*.deb)
if ((${#debs[@]} != 1)) || [ ! -f "${debs[0]}" ]; then
    echo "cpack wrote no single trimbol package in $build/cpack" >&2
    exit 1
fi
mkdir -p "$dist"
cp "${debs[0]}" "$dist/"
echo "$dist/$(basename "${debs[0]}")"
