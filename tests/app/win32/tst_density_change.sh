#!/usr/bin/env bash
# tst_density_change.sh WINEPREFIX VONDREL_EXE
#
# The scale changes while the program runs, as when a window is moved to a
# monitor of another density: Windows then sends it WM_DPICHANGED, which
# window_probe (VONDREL_WINDOW_PROBE) sends here from outside. Each window
# goes from 96 dpi to 144 and back. At each density its client area has its
# size there, its controls answer where they are laid out there, and its
# pictures show pixel for pixel as in the program started at that density.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 2 ]] || { echo "usage: $0 WINEPREFIX VONDREL_EXE" >&2; exit 2; }
readonly TEMPLATE=$1 VONDREL=$2

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine_program.sh"
readonly READ_PIXELS=$here/read_screen_pixels.py

# The pictures, as form1.ui and form2.ui place them at 96 dpi: left top
# width height. Form2's is the part above its button.
readonly FORM1_PICTURES=("56 24 30 30" "304 24 30 30" "112 80 30 30" "16 120 259 19")
readonly FORM2_PICTURE=("0 0 310 88")

# The pixels of the window's pictures, laid out at DPI, into the file.
save_pictures() {
    local window=$1 file=$2 picture
    shift 2
    : >"$file"
    for picture in "$@"; do
        read -r -a box <<<"$picture"
        read_pixels "$window" $(((box[0] * DPI + 48) / 96)) $(((box[1] * DPI + 48) / 96)) \
            $(((box[2] * DPI + 48) / 96)) $(((box[3] * DPI + 48) / 96)) >>"$file" || return
    done
}

# The same, once the window is drawn: two readings a moment apart agree.
save_drawn_pictures() {
    local file=$2
    save_pictures "$1" "$file.earlier" "${@:3}" && sleep 0.3 && save_pictures "$@" &&
        cmp -s "$file.earlier" "$file"
}

pictures_as_in() {
    save_pictures "$1" "$SCRATCH/now" "${@:3}" && cmp -s "$SCRATCH/now" "$2"
}

# The density the system starts Wine's programs at, as Windows' display
# settings give it.
set_system_density() {
    DISPLAY= wine_tool reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver --kill  # the density is read as Wine starts
    DPI=$1
}

send_density_change() {
    local caption=$1 from=$DPI
    DPI=$2
    "${WINE[@]}" "$VONDREL_WINDOW_PROBE" density "$caption" "$from" "$DPI" >/dev/null 2>&1
}

# Form1 and Form2 as the program draws them when it starts at the density,
# kept in $SCRATCH/form1-DPI and form2-DPI.
keep_pictures_at() {
    set_system_density "$1"
    start_vondrel
    poll save_drawn_pictures "$FORM1" "$SCRATCH/form1-$1" "${FORM1_PICTURES[@]}" || return
    click_at "$FORM1" $(where PRINCIPLE)
    local form2
    form2=$(wait_for_window '^Form2$') || return
    poll save_drawn_pictures "$form2" "$SCRATCH/form2-$1" "${FORM2_PICTURE[@]}" || return
    stop_vondrel
    APP_PID=
}

# --- Scenarios -------------------------------------------------------------------

the_main_window_follows_the_density() {
    start_vondrel
    for density in 144 96; do
        send_density_change VondrelV1.0 "$density" || fail "the density changes to $density" "not sent"
        expect_eventually "Form1's client area at $density dpi" \
            "$(((456 * DPI + 48) / 96))x$(((173 * DPI + 48) / 96))" client_size "$FORM1"
        expect_that "Form1's pictures at $density dpi as drawn by the program started there" \
            poll pictures_as_in "$FORM1" "$SCRATCH/form1-$density" "${FORM1_PICTURES[@]}"
        expect_calculation 1000 0.02 30.0
        expect_calculation 100 0.02 300.0
    done
}

the_principle_window_follows_the_density() {
    start_vondrel
    click_at "$FORM1" $(where PRINCIPLE)
    local form2
    form2=$(wait_for_window '^Form2$') || fail "the principle button opens Form2" "no Form2 within the deadline"
    for density in 144 96; do
        send_density_change Form2 "$density" || fail "the density changes to $density" "not sent"
        expect_eventually "Form2's client area at $density dpi" \
            "$(((310 * DPI + 48) / 96))x$(((127 * DPI + 48) / 96))" client_size "$form2"
        expect_that "Form2's picture at $density dpi as drawn by the program started there" \
            poll pictures_as_in "$form2" "$SCRATCH/form2-$density" "${FORM2_PICTURE[@]}"
    done
    send_density_change Form2 144
    expect_eventually "Form2's client area at 144 dpi again" 465x191 client_size "$form2"
    click_at "$form2" $(where FORM2_EXIT)
    expect_that "Form2's exit button at 144 dpi closes it" poll no_shown_window '^Form2$'
}

# --- Running ---------------------------------------------------------------------

open_test_session stop_wine
use_copy_of_wine_prefix "$TEMPLATE" "$SCRATCH" || fail "the prefix is copied" "from $TEMPLATE"
SCENARIO=reference
keep_pictures_at 144 || fail "the program started at 144 dpi shows its pictures" "see the log"
keep_pictures_at 96 || fail "the program started at 96 dpi shows its pictures" "see the log"
run_scenarios the_main_window_follows_the_density the_principle_window_follows_the_density
