#!/usr/bin/env bash
# Takes the user guide's screenshots (guide/*.png) from the real windows under a virtual X
# server, and makes them small enough to keep in the repository.
# Usage: scripts/guide-screenshots.sh [BUILD_FOLDER]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" -j2 --target tabrel-guide-shots
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/tools/guide_shots/tabrel-guide-shots" "$shots"
for picture in "$shots"/*.png; do
    convert "$picture" -trim +repage -resize '1000x1000>' -colors 64 -strip "$root/guide/$(basename "$picture")"
done
echo "guide-screenshots.sh: $(ls "$shots" | wc -l) screenshots written to $root/guide"
