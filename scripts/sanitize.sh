#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in the clang tree the
# fuzz targets use too (default build-asan) and runs the whole test suite there. Any report
# fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-asan}"
source "$root/scripts/sanitized-tree.sh"
configure_sanitized_tree "$root" "$build"

# The test programs run at build time too, when their tests are listed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:abort_on_error=1"

cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
