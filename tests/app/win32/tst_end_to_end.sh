#!/usr/bin/env bash
# tst_end_to_end.sh WINEPREFIX VONDREL_EXE [SCENARIO...]
#
# Runs the Windows program under Wine on a private X server and uses it
# only from the outside, as a person would: typing and pasting into its
# boxes, clicking its buttons, pressing keys, closing windows by their
# close box, and reading texts back through the clipboard. Each scenario
# starts the program afresh; all run unless some are named. The program
# runs in a copy of the prefix given, as the Windows version that
# VONDREL_WINDOWS_VERSION names (such as win7), or the prefix's own.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -ge 2 ]] || { echo "usage: $0 WINEPREFIX VONDREL_EXE [SCENARIO...]" >&2; exit 2; }
readonly TEMPLATE=$1 VONDREL=$2
shift 2

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine_program.sh"

# Pastes the text into Text1 and reads it back. Wine learns of the new
# clipboard a moment after the X server does; pasted before that, the box
# stays empty, and the text is pasted again.
pasted_into_text1() {
    printf '%s' "$1" | xclip -selection clipboard 2>/dev/null &
    poll clipboard_holds "$1" || return
    type_into "$FORM1" $(where TEXT1) ''
    press_keys ctrl+v
    [[ $(text_of VondrelV1.0 TEXT1) == "$1" ]]
}

# --- Scenarios -------------------------------------------------------------------

calculates() {
    start_vondrel
    expect_equal "the main window's caption" "$FORM1_CAPTION" "$(xdotool getwindowname "$FORM1")"
    expect_centred "Form1" "$FORM1" 456 173
    expect_that "Form1 has the focus" poll is_active_window "$FORM1"
    # Calculate has the focus, and Return presses it: both boxes are empty.
    press_keys Return
    expect_message_box "Return right after the start presses Calculate" "请填写完整的输入数据！"
    expect_calculation 100 0.02 300.0
    expect_calculation 4.7k 20ms 6.4
    expect_calculation 33 0.02 909.1
    type_into "$FORM1" $(where TEXT2) '   '
    click_at "$FORM1" $(where CALCULATE)
    expect_message_box "a period of spaces is incomplete input" "请填写完整的输入数据！"
    expect_equal "the result box keeps the earlier result" 909.1 "$(result_text)"
    # Wide characters reach Wine whole only through the clipboard.
    expect_that "full-width digits arrive as pasted" poll pasted_into_text1 '１０００'
    type_into "$FORM1" $(where TEXT2) 0.02
    click_at "$FORM1" $(where CALCULATE)
    expect_eventually "full-width digits calculate" 30.0 result_text
}

run_time_errors_are_reported_and_the_program_goes_on() {
    start_vondrel
    type_into "$FORM1" $(where TEXT1) 0
    type_into "$FORM1" $(where TEXT2) 0.02
    click_at "$FORM1" $(where CALCULATE)
    expect_message_box "a zero load raises the run-time error box" "运行时错误 '11':"$'\n\n'"除数为零"
    # The narrowest report.
    type_into "$FORM1" $(where TEXT1) 1
    type_into "$FORM1" $(where TEXT2) 1e308
    click_at "$FORM1" $(where CALCULATE)
    expect_message_box "an overflow raises the run-time error box" "运行时错误 '6':"$'\n\n'"溢出"
    expect_that "the program still runs" one_shown_window '^VondrelV1\.0'
    expect_calculation 4700 0.01 3.2
}

principle_window_is_modal() {
    start_vondrel
    expect_calculation 1000 0.02 30.0
    type_into "$FORM1" $(where TEXT1) 100

    click_at "$FORM1" $(where PRINCIPLE)
    local form2
    form2=$(wait_for_window '^Form2$') || fail "the principle button opens Form2" "no Form2 within the deadline"
    expect_centred "Form2" "$form2" 310 127
    local owner
    owner=$(xprop -id "$form2" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    expect_equal "Form2 belongs to Form1" "$FORM1" "$((owner))"
    click_at "$FORM1" $(where CALCULATE)
    press_keys Return
    expect_that "Return presses Form2's exit button, which closes it" poll no_shown_window '^Form2$'
    expect_equal "Calculate took no click while Form2 was open" 30.0 "$(result_text)"

    click_at "$FORM1" $(where PRINCIPLE)
    form2=$(wait_for_window '^Form2$') || fail "Form2 opens again" "no Form2 within the deadline"
    close_by_close_box "$form2"
    expect_that "Form2's close box closes it" poll no_shown_window '^Form2$'

    click_at "$FORM1" $(where PRINCIPLE)
    form2=$(wait_for_window '^Form2$') || fail "Form2 opens a third time" "no Form2 within the deadline"
    expect_eventually "Form2 has its size again" 310x127 client_size "$form2"
    click_at "$form2" $(where FORM2_EXIT)
    expect_that "Form2's exit button closes it" poll no_shown_window '^Form2$'
    click_at "$FORM1" $(where CALCULATE)
    expect_eventually "Calculate answers again" 300.0 result_text
}

exit_button_ends_the_program() {
    start_vondrel
    click_at "$FORM1" $(where EXIT)
    wait_for_exit
    expect_equal "Exit ends the program with status 0" 0 "$EXIT_STATUS"
}

close_box_ends_the_program() {
    start_vondrel
    close_by_close_box "$FORM1"
    wait_for_exit
    expect_equal "the close box ends the program with status 0" 0 "$EXIT_STATUS"
}

# The system set to 200 %: the program, aware of each monitor's density,
# lays its windows out at twice the size.
lays_out_at_twice_the_density() {
    DISPLAY= wine_tool reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
    wineserver --kill  # the density is read as Wine starts
    DPI=192
    start_vondrel
    expect_centred "Form1 at 200 %" "$FORM1" 912 346
    click_at "$FORM1" $(where EXIT)
    wait_for_exit
    expect_equal "Exit at 200 % ends the program with status 0" 0 "$EXIT_STATUS"
}

# --- Running ---------------------------------------------------------------------

open_test_session stop_wine
use_copy_of_wine_prefix "$TEMPLATE" "$SCRATCH" "${VONDREL_WINDOWS_VERSION:-}" ||
    fail "the prefix is copied" "from $TEMPLATE"

if [[ $# -eq 0 ]]; then
    set -- calculates run_time_errors_are_reported_and_the_program_goes_on principle_window_is_modal \
        exit_button_ends_the_program close_box_ends_the_program lays_out_at_twice_the_density
fi
run_scenarios "$@"
status=$?
[[ -z ${VONDREL_LOGS:-} ]] || cp "$SCRATCH"/*.log "$VONDREL_LOGS"
exit "$status"
