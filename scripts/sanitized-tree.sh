# Sourced by sanitize.sh and fuzz.sh: both use one clang tree in which everything is built with
# AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage, so the suite and the
# fuzz targets share their compiles.
#   configure_sanitized_tree ROOT BUILD
configure_sanitized_tree() {
    local root=$1 build=$2
    local cache=$build/CMakeCache.txt
    # A tree configured by another compiler cannot be switched to clang in place.
    if [[ -f $cache ]] && ! grep -q '^CMAKE_CXX_COMPILER_ID:.*Clang\|^CMAKE_CXX_COMPILER:.*clang' "$cache"; then
        echo "$build was configured without clang; configuring it afresh" >&2
        rm -rf "$build"
    fi
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # -O1 with line tables: quick to build, fast enough to run the suite, and the reports still
    # name the lines. Assertions stay on.
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
        -DTABREL_BUILD_UI=ON -DTABREL_BUILD_TESTS=ON -DTABREL_BUILD_BENCH=OFF \
        -DTABREL_BUILD_FUZZ=ON "${launcher[@]}" >/dev/null
}
