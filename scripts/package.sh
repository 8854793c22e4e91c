#!/usr/bin/env bash
# Builds a Release copy of the program and writes its Debian package,
# dist/trimbol_<version>_<arch>.deb, through CPack. Prints the package's path.
#   scripts/package.sh [BUILD_DIR [DIST_DIR]]     (build-package/ and dist/)
set -euo pipefail
arrel=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$arrel/build-package}")
dist=$(realpath -m "${2:-$arrel/dist}")

"$arrel/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release \
    -DTRIMBOL_TESTS=OFF -DTRIMBOL_SANITIZE=OFF -DTRIMBOL_BENCH=OFF >&2
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
