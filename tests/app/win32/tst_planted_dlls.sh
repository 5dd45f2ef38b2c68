#!/usr/bin/env bash
# tst_planted_dlls.sh WINEPREFIX VONDREL_EXE PLANTED_DLL OBJDUMP
#
# A DLL dropped beside the program, as into the Downloads folder it is run
# from, must never run in it. A copy of the program gets PLANTED_DLL beside
# it under the name of every DLL that it imports and of those that it or
# Windows may load later, all but Windows' KnownDLLs, and Wine is told to
# prefer each such DLL to its own, as Windows looks beside the program
# first for any DLL that is not one of its KnownDLLs. (Those it maps from
# System32 alone, where Wine would take them from beside the program too.)
# The program is then used a little. A planted DLL that ran has written its
# path into the marker file; and none may even be mapped, as Wine's trace
# tells: one that lacked a function imported from it would not run, where
# an attacker's would.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 4 ]] || { echo "usage: $0 WINEPREFIX VONDREL_EXE PLANTED_DLL OBJDUMP" >&2; exit 2; }
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/known_dlls.sh"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$2" "$folder/vondrel.exe"

# Loaded later: by the program for pictures, themes and screen readers, or
# by Windows' own DLLs for density, composition, input methods and text.
# Not version.dll, which Wine's own user32 imports, unlike Windows' own, so
# that Wine takes it from beside any program that it starts.
later=(msimg32 uxtheme oleacc dwmapi shcore comctl32 uiautomationcore winmm
    dwrite propsys cryptbase windowscodecs textinputframework)
imported=$("$4" -p "$2" | sed -n 's/^\s*DLL Name: \(.*\)\.dll$/\1/Ip' | tr '[:upper:]' '[:lower:]')
overrides=()
for name in $imported "${later[@]}"; do
    ! is_known_dll "$name" || continue
    cp "$3" "$folder/$name.dll"
    overrides+=("$name=n,b")
done
echo "planted: $(cd "$folder" && echo *.dll)"

# The folder as the program sees it, on Wine's drive Z:, which is /. Asked
# of winepath, Wine would start here without the test's display, and the
# program then could make no window.
windows_folder="Z:${folder//\//\\}"
marker="$folder/marker"
export VONDREL_PLANTED_MARKER="$windows_folder\\marker"
# Scenarios that read no trace of Wine's, which the loader's trace would
# break into: they calculate, open and close the principle window, and exit.
mkdir "$folder/logs"
VONDREL_LOGS="$folder/logs" VONDREL_WINEDEBUG=+module WINEDLLOVERRIDES=$(IFS=';'; echo "${overrides[*]}") \
    bash "$here/tst_end_to_end.sh" "$1" "$folder/vondrel.exe" \
    principle_window_is_modal exit_button_ends_the_program
used=$?

if [[ -e $marker ]]; then
    echo "FAIL planted DLLs ran in the program: $(iconv -f UTF-16LE -t UTF-8 "$marker" | tr '\n' ' ')"
    exit 1
fi
echo "ok   no planted DLL ran"
# The trace writes each backslash of a path twice.
mapped=$(grep -ah 'mapping PE file' "$folder"/logs/*.log | grep -aiF "${windows_folder//\\/\\\\}\\\\" |
    grep -aio '[^\]*\.dll' | sort -u)
if [[ -n $mapped ]]; then
    echo "FAIL planted DLLs were loaded into the program: $(echo $mapped)"
    exit 1
fi
echo "ok   no planted DLL was loaded"
exit "$used"
