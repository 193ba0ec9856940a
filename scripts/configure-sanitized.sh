#!/usr/bin/env bash
# Configures the one clang build with AddressSanitizer and UndefinedBehaviorSanitizer that both
# the test suite (scripts/sanitize.sh) and the fuzz targets (scripts/fuzz.sh) run from.
# Usage: scripts/configure-sanitized.sh BUILD_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# -O1 keeps the instrumented tests and fuzzers quick; line tables are enough for file and line
# in the reports. Assertions stay on. The fuzz option instruments everything for coverage too.
cmake -S "$root" -B "$build" \
    -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=Sanitize \
    -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -gline-tables-only $sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="$sanitize" \
    -DTABREL_BUILD_UI=ON -DTABREL_BUILD_TESTS=ON -DTABREL_BUILD_FUZZ=ON -DTABREL_BUILD_BENCH=OFF
