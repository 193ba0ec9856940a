#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer in a folder of
# its own (default build-asan) and runs the whole test suite there. Any report fails the run.
# The same tree holds the fuzz targets, so scripts/fuzz.sh runs from it without a second build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-asan}"

"$root/scripts/configure-sanitized.sh" "$build"

# The test programs run at build time too, when their tests are listed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:abort_on_error=1"

cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
