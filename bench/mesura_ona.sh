#!/usr/bin/env bash
# Latency of the first sample and resident memory of the Catalan woman's
# voice through Festival's Ona; see mesura_ona.cpp.
#   bench/mesura_ona.sh BUILD_DIR [ROUNDS]
# Silent (no sound device needed): samples are counted when they would be
# handed to the device.
set -euo pipefail
build=${1:?build folder with -DTRIMBOL_BENCH=ON}
rounds=${2:-15}
UPCTV_SILENCI=1 "$build/mesura_ona" "$build/libupctv.so" "$rounds"
