#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own
# (default build-asan) and runs the whole test suite there. Any report fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-asan}"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# -Og keeps the compile quick (GoogleTest code builds far slower at -O1) and the instrumented
# tests fast enough; -g1 is enough for file and line in the reports. Assertions stay on. The
# sanitizers make GCC warn of uninitialised values where there are none.
cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=Sanitize \
    -DCMAKE_CXX_FLAGS_SANITIZE="-Og -g1 -Wno-maybe-uninitialized $sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="$sanitize" \
    -DTABREL_BUILD_UI=ON -DTABREL_BUILD_TESTS=ON -DTABREL_BUILD_BENCH=OFF

# The test programs run at build time too, when their tests are listed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:abort_on_error=1"

cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
