#!/usr/bin/env bash
# Installs an already built tree into a temporary prefix and checks that the installed copy
# runs: tabrel-cli prints a shipped template found through the installed templates, and tabrel
# starts on a fresh user's data folder while writing nothing into the prefix.
# Usage: scripts/check-install.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
home=$work/home
user_data=$home/.local/share/Tabrel
mkdir -p "$home" "$work/elsewhere"

fail() {
    echo "check-install: $*" >&2
    exit 1
}

# The installed programs as a user without any Tabrel settings would start them.
as_user() {
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$@"
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tabrel bin/tabrel-cli; do
    [ -x "$prefix/$file" ] || fail "$file is not installed"
done
for file in share/applications/tabrel.desktop share/icons/hicolor/scalable/apps/tabrel.svg \
    share/tabrel/lang/polski.lng share/tabrel/lang/english.lng share/man/man1/tabrel-cli.1; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for template in "$repo"/templates/*.wzr; do
    cmp -s "$template" "$prefix/share/tabrel/templates/$(basename "$template")" ||
        fail "template $(basename "$template") is not installed as shipped"
done
grep -q '^\.TH TABREL-CLI' "$prefix/share/man/man1/tabrel-cli.1" ||
    fail "the manual page of tabrel-cli is not one"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/tabrel.desktop"
else
    echo "check-install: desktop-file-validate not found, the desktop entry is not validated"
fi

state_of_prefix() {
    find "$prefix" -printf '%P %s %T@\n' | sort
}
before=$(state_of_prefix)

cp -r "$repo/tests/data/shipped_templates/dane" "$work/dane"
print_template() {
    (cd "$work/elsewhere" && as_user "$prefix/bin/tabrel-cli" --data "$work/dane" \
        print "$1" 2024-05 --out "$work/out")
}
printed=$(print_template karta_ewidencji.wzr) || fail "tabrel-cli print of a shipped template failed"
[ -s "$printed" ] || fail "tabrel-cli print wrote no printout"

# The program is stopped by timeout; status 124 shows it was still running by then.
status=0
as_user timeout 5 "$prefix/bin/tabrel" >"$work/tabrel.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/tabrel.log" >&2; fail "tabrel ended early with status $status"; }
[ -d "$user_data/dane" ] || fail "tabrel did not create $user_data/dane"
for template in "$repo"/templates/*.wzr; do
    cmp -s "$template" "$user_data/templates/$(basename "$template")" ||
        fail "tabrel did not give the user a copy of $(basename "$template")"
done
[ "$before" = "$(state_of_prefix)" ] || fail "the installed copy wrote into its prefix"

# The user's edited copy wins over the shipped template.
printf 'WERSJA UZYTKOWNIKA\r\n' >>"$user_data/templates/harmonogram_indywidualny_txt.wzr"
printed=$(print_template harmonogram_indywidualny_txt.wzr) || fail "tabrel-cli print failed"
grep -q 'WERSJA UZYTKOWNIKA' "$printed" || fail "tabrel-cli did not print the user's template"

echo "check-install: the installed copy runs"
