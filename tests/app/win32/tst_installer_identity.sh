#!/usr/bin/env bash
# tst_installer_identity.sh FILES MAKE_INSTALLER...
#
# Makes the installer again from a copy of the files it packs, as the build
# does (MAKE_INSTALLER... -o OUTPUT), once for each row below, and checks
# its identity: made again from the same files at the same
# SOURCE_DATE_EPOCH, the same bytes; from other content, another package
# code, or Windows Installer would take the two for one package; its
# summary's time the given one.
set -uo pipefail
export TZ=UTC
[[ $# -ge 3 ]] || { echo "usage: $0 FILES MAKE_INSTALLER..." >&2; exit 2; }
files=$1
shift
work=$(mktemp -d "$PWD/installer-identity.XXXXXX")
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

# make NAME EPOCH [FILE TEXT]: the installer NAME.msi, with TEXT added to FILE.
make() {
    cp -r "$files" "$work/$1"
    [[ $# -lt 3 ]] || printf '%s' "$4" >>"$work/$1/$3"
    (cd "$work/$1" && SOURCE_DATE_EPOCH=$2 "${MAKE_INSTALLER[@]}" -o "$work/$1.msi") >/dev/null ||
        { echo "FAIL  $1: make-installer failed"; ((++failed)); }
}
summary() { msiinfo suminfo "$work/$1.msi" | sed -n "s/^$2: //p"; }
code() { summary "$1" 'Revision number (UUID)'; }
check() {
    if [[ $2 == "$3" ]]; then echo "PASS  $1"; ((++passed)); else echo "FAIL  $1: '$2', not '$3'"; ((++failed)); fi
}

MAKE_INSTALLER=("$@")
# name       SOURCE_DATE_EPOCH  change
rows=(
    "first     1700000000"
    "again     1700000000"
    "licence   1700000000         licences/fast-float.txt ."
    "later     1800000000"
)
for row in "${rows[@]}"; do
    read -r name epoch file text <<<"$row"
    make "$name" "$epoch" ${file:+"$file" "$text"}
    sleep 1  # another second of the clock for each
done

check "the same files give the same bytes" "$(cmp -s "$work/first.msi" "$work/again.msi" && echo same)" same
for other in licence later; do
    [[ $(code first) == "$(code "$other")" ]] && verdict=the\ same || verdict=another
    check "another content ($other) gives another package code" "$verdict" another
done
check "the summary's time is SOURCE_DATE_EPOCH's" "$(summary later Created)" "$(LC_ALL=C date -d @1800000000 '+%a %b %e %T %Y')"
check "the package code is a GUID" "$(code first | grep -cE '^\{[0-9A-F-]{36}\}$')" 1

echo "installer identity: $passed passed, $failed failed"
((failed == 0))
