#!/usr/bin/env bash
# run_windows_program.sh WINEPREFIX PROGRAM
# Runs a Windows console program in a copy of the prefix, for a test that
# reads what it prints, and exits with its status.
set -uo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 WINEPREFIX PROGRAM" >&2; exit 2; }
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"
scratch=$(mktemp -d)
trap 'wineserver --kill 2>/dev/null; rm -rf "$scratch"' EXIT
use_copy_of_wine_prefix "$1" "$scratch" || exit
DISPLAY= "${WINE[@]}" "$2"
