#!/usr/bin/env bash
# Runs the libFuzzer targets for a bounded time: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# (60 seconds, every target).
# Builds the targets in the sanitized clang tree sanitize.sh uses (build-asan, or the folder
# TABREL_SANITIZED_BUILD names), seeds each target from the repository's files and
# its stored regression inputs, runs two targets at a time and ends non-zero, naming the
# input, when a target finds something. FUZZ_JOBS sets how many run at once; FUZZ_CORPUS names
# a folder where the corpora are kept between runs (by default they go with the run).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
jobs=${FUZZ_JOBS:-2}
build=$root/${TABREL_SANITIZED_BUILD:-build-asan}
targets=(archive group_file staff_file month_file options_file legacy_file language_file
         template_header template_body)
(($# > 1)) && targets=("${@:2}")

source "$root/scripts/sanitized-tree.sh"
configure_sanitized_tree "$root" "$build"
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d "${TMPDIR:-/tmp}/tabrel-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
ward=$root/tests/data/shipped_templates/dane

# Seeds: the files of each kind the repository ships or tests with.
corpus=${FUZZ_CORPUS:-$work/corpus}
seed() {
    local target=$1
    shift
    mkdir -p "$corpus/$target"
    local file
    for file in "$@" "$root/tests/data/fuzz/$target"/*; do
        [[ -f $file ]] && cp "$file" "$corpus/$target/"
    done
    return 0
}

# grupy.ini, kadra.ini and archives as the program writes them: the test ward converted by
# tabrel-cli, its staff unpacked from kadra.inr, and a backup-like archive of the ward.
make_seeds() {
    local cli=$build/src/tabrel-cli
    cmake --build "$build" -j2 --target tabrel-cli >/dev/null
    mkdir -p "$work/ward" "$work/staff"
    cp "$ward"/* "$work/ward/"
    "$cli" --data "$work/ward" resave >/dev/null
    "$cli" archive extract "$work/ward/kadra.inr" "$work/staff" >/dev/null
    "$cli" archive create "$work/kopia.tbk" "$ward/*" >/dev/null
}

make_seeds
seed archive "$work/kopia.tbk" "$work/ward/kadra.inr"
seed group_file "$work/ward/grupy.ini"
seed staff_file "$work/staff/kadra.ini"
seed month_file "$ward"/*.tbr
seed options_file "$root/fuzz/seeds/konfiguracja.ini"
seed legacy_file "$ward/tabrel.ini"
seed language_file "$root"/lang/*.lng
seed template_header "$root"/templates/*.wzr
seed template_body "$root"/templates/*.wzr

run_target() {
    local target=$1
    local dir=$work/run/$target
    mkdir -p "$dir"
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536
                   -artifact_prefix="$dir/" -print_final_stats=1)
    [[ -f $root/fuzz/dictionaries/$target.dict ]] &&
        options+=(-dict="$root/fuzz/dictionaries/$target.dict")
    if "$build/fuzz/fuzz_$target" "${options[@]}" "$corpus/$target" >"$dir/log" 2>&1; then
        echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$dir/log" || true)"
        return 0
    fi
    mkdir -p "$build/findings"
    local found
    for found in "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*; do
        [[ -f $found ]] || continue
        cp "$found" "$build/findings/$target-$(basename "$found")"
        echo "$target: FOUND $build/findings/$target-$(basename "$found")"
    done
    cp "$dir/log" "$build/findings/$target.log"
    echo "$target: failed, log in $build/findings/$target.log"
    return 1
}

status=0
pids=()
for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
    if ((${#pids[@]} >= jobs)); then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
exit $status
