#!/usr/bin/env bash
# tst_installer.sh WINEPREFIX WINEARCH VONDREL_MSI VONDREL_EXE SHORTCUT_NAME
#
# The installer in a prefix made afresh: installed silently, it puts the
# program under Program Files, its shortcut in the Start menu and its entry
# among the installed programs, with name, version, publisher and icon; the
# program installed runs (where this machine runs it); and removed silently,
# it leaves no file and no registry value behind.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 5 ]] || { echo "usage: $0 WINEPREFIX WINEARCH VONDREL_MSI VONDREL_EXE SHORTCUT_NAME" >&2; exit 2; }
export WINEPREFIX=$1
readonly MSI=$3 EXE=$4 SHORTCUT=$5
here=$(dirname "${BASH_SOURCE[0]}")
# Nothing of the prefix's reaches the desktop's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe="
source "$here/wine.sh"

passed=0 failed=0
check() {
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; ((++passed)); else echo "FAIL $what"; ((++failed)); fi
}
finish() {
    echo "installer checks: $passed passed, $failed failed"
    ((failed == 0))
    exit
}
msiexec() {
    DISPLAY= "${WINE[@]}" msiexec "$1" "$(winepath -w "$MSI")" /qn
}

# The prefix's files, and its registry where an installer writes, less
# Wine's own settings, which running the program changes: one line a file,
# a key or a value.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$WINEPREFIX/$1.files"
    local hive
    for hive in HKLM HKCU; do
        DISPLAY= "${WINE[@]}" reg export "$hive\\Software" "$WINEPREFIX/$1.$hive.reg" /y >/dev/null 2>&1
        iconv -f UTF-16LE -t UTF-8 "$WINEPREFIX/$1.$hive.reg" | sed -e ':a' -e '/\\\r\?$/{N;ba' -e '}'
    done | tr -d '\r' | awk '/^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine") == 1 } !wine' \
        >"$WINEPREFIX/$1.registry"
}

make_wine_prefix "$2" >/dev/null 2>&1 || { echo "FAIL the prefix is made"; finish; }
snapshot before

check "msiexec /i installs" msiexec /i
snapshot installed
program=$(grep -m1 '/Vondrel/vondrel\.exe$' "$WINEPREFIX/installed.files")
check "the program is under Program Files: ${program:-none}" \
    test "$(dirname "${program:-/}")" = "./Program Files/Vondrel" -o "$(dirname "${program:-/}")" = "./Program Files (x86)/Vondrel"
check "it is the program built" cmp -s "$WINEPREFIX/drive_c/$program" "$EXE"
check "the licences are beside it" test -s "$WINEPREFIX/drive_c/$(dirname "$program")/licences/gcc-runtime.txt" \
    -a -s "$WINEPREFIX/drive_c/$(dirname "$program")/licences/mingw-w64-runtime.txt" \
    -a -s "$WINEPREFIX/drive_c/$(dirname "$program")/licences/fast-float.txt"
shortcut=$(grep -m1 "/Start Menu/Programs/$SHORTCUT\.lnk\$" "$WINEPREFIX/installed.files")
check "the Start menu has the shortcut: ${shortcut:-none}" test -n "$shortcut"
check "the shortcut starts the program" grep -qa 'vondrel\.exe' "$WINEPREFIX/drive_c/$shortcut"
# The entry in Apps / Programs and Features, and the icon that it shows.
entry=$(awk '/^\[/ { key = $0 } key ~ /\\Uninstall\\\{/ && $0 == "\"DisplayName\"=\"Vondrel\"" { print key }' \
    "$WINEPREFIX/installed.registry")
value_of_entry() {
    awk -v key="$entry" '/^\[/ { inside = ($0 == key) } inside && index($0, "\"" name "\"=") == 1' \
        name="$1" "$WINEPREFIX/installed.registry"
}
check "the installed programs list it: ${entry:-no entry}" test -n "$entry"
check "its version is 1.0.0.0" test "$(value_of_entry DisplayVersion)" = '"DisplayVersion"="1.0.0.0"'
check "its publisher is named" grep -q '^"Publisher"="[^"]' <<<"$(value_of_entry Publisher)"
icon=$(sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' "$WINEPREFIX/installed.registry" | sed 's/\\\\/\\/g')
check "it has the program's icon: ${icon:-none}" test -s "$(winepath -u "${icon:-C:\\none}" 2>/dev/null)"

if [[ $(file -b "$EXE") == PE32+* ]] || "$here/runs-32-bit-programs"; then
    # Wine, started above without a display, would keep none for the program.
    wineserver --kill
    check "the program installed runs" bash "$here/tst_end_to_end.sh" "$WINEPREFIX" "$WINEPREFIX/drive_c/$program" \
        calculates exit_button_ends_the_program
else
    echo "skip the program installed runs: this machine runs no 32-bit x86 program"
fi

check "msiexec /x removes it" msiexec /x
snapshot removed
# What the Windows Installer keeps for itself, its empty folder and keys,
# and the 32-bit programs' empty list that 64-bit Windows has.
left=$(diff "$WINEPREFIX/before.files" "$WINEPREFIX/removed.files"
    diff "$WINEPREFIX/before.registry" "$WINEPREFIX/removed.registry")
left=$(grep '^[<>] ' <<<"$left" | grep -v -e '^> $' -e '^> \./windows/Installer$' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\\(Wow6432Node\\\)\?Classes\\Installer[]\\]' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\\(Wow6432Node\\\)\?Microsoft\\Windows\\CurrentVersion\\Installer[]\\]' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\]$')
check "nothing is left behind${left:+: $(head -c 2000 <<<"$left")}" test -z "$left"
finish
