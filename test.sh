#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build-test -DCMAKE_BUILD_TYPE=Debug -DTRIMBOL_SANITIZE=ON -DTRIMBOL_TESTS=ON
cd build-test
ctest --output-on-failure -j2 "$@"
