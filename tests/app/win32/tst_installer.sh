#!/usr/bin/env bash
# tst_installer.sh VONDREL_MSI VONDREL_EXE SHORTCUT_NAME
#
# The installer in a 64-bit prefix made afresh, a 64-bit Windows, which
# installs either architecture's: installed silently, it puts the program
# under Program Files, its shortcut in the Start menu and its entry among
# the installed programs, with name, version, publisher and icon; the
# program installed runs; and removed silently, it leaves no file and no
# registry value behind.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 3 ]] || { echo "usage: $0 VONDREL_MSI VONDREL_EXE SHORTCUT_NAME" >&2; exit 2; }
readonly MSI=$1 EXE=$2 SHORTCUT=$3
here=$(dirname "${BASH_SOURCE[0]}")
# Nothing of the prefix's reaches the desktop's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe="
source "$here/wine.sh"
scratch=$(mktemp -d)
trap 'wineserver --kill 2>/dev/null; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix

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
    DISPLAY= wine_tool msiexec "$1" "$(DISPLAY= winepath -w "$MSI")" /qn
}

# The prefix's files, and its registry where an installer writes, less
# Wine's own settings, which running the program changes: one line a file,
# a key or a value. The registry is read from the files that the Wine
# server keeps it in, written when the server ends, with each key named as
# reg export names it: reg export itself takes Wine a quarter of a minute.
snapshot() {
    wineserver --wait
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$WINEPREFIX/$1.files"
    { software_keys HKEY_LOCAL_MACHINE system.reg; software_keys HKEY_CURRENT_USER user.reg; } |
        awk '/^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine") == 1 } !wine' >"$WINEPREFIX/$1.registry"
}
# software_keys ROOT FILE: the keys under Software in the registry file,
# with their values, without the times at which each was written or the
# blank lines between them.
software_keys() {
    awk -v root="$1" '
        /^\[/ {
            sub(/\] [0-9]+$/, "]")
            gsub(/\\\\/, "\\")
            inside = index($0, "[Software\\") == 1
            if (inside) $0 = "[" root "\\" substr($0, 2)
        }
        /^#time=/ { next }
        inside && NF' "$WINEPREFIX/$2"
}

make_wine_prefix win64 >/dev/null 2>&1 || { echo "FAIL the prefix is made"; finish; }
# Started once more, as Windows is before anything is installed: the start
# that makes a prefix keeps in the registry's files what later starts keep
# only in memory, such as the list of the machine's network cards.
DISPLAY= wine_tool cmd /c exit
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
check "it has the program's icon: ${icon:-none}" test -s "$(DISPLAY= winepath -u "${icon:-C:\\none}" 2>/dev/null)"

# Wine, started above without a display, would keep none for the program.
wineserver --wait
windows_path=${program#.}
check "the program installed runs" bash "$here/tst_end_to_end.sh" "$WINEPREFIX" "C:${windows_path//\//\\}" \
    calculates exit_button_ends_the_program

check "msiexec /x removes it" msiexec /x
snapshot removed
# What the Windows Installer keeps for itself, its empty folder and keys,
# and the 32-bit programs' empty list that 64-bit Windows has.
left=$(diff "$WINEPREFIX/before.files" "$WINEPREFIX/removed.files"
    diff "$WINEPREFIX/before.registry" "$WINEPREFIX/removed.registry")
left=$(grep '^[<>] ' <<<"$left" | grep -v -e '^> \./windows/Installer$' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\\(Wow6432Node\\\)\?Classes\\Installer[]\\]' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\\(Wow6432Node\\\)\?Microsoft\\Windows\\CurrentVersion\\Installer[]\\]' \
    -e '^> \[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\]$')
check "nothing is left behind${left:+: $(head -c 2000 <<<"$left")}" test -z "$left"
finish
