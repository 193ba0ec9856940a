#!/usr/bin/env bash
# Rewrites the expected printouts in tests/data/golden_printouts from the shipped templates, for
# a change to a template or a tag that is meant; review the result with git diff before
# committing it. Usage: scripts/regenerate-golden-printouts.sh [BUILD_FOLDER] (default: build).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" -j2 --target tabrel-cli test_golden_printouts
TABREL_REGENERATE_GOLDEN=1 "$build/tests/test_golden_printouts"
git -C "$root" status --short -- tests/data/golden_printouts
