#!/usr/bin/env bash
# tst_end_to_end.sh WINEPREFIX VONDREL_EXE [SCENARIO...]
#
# Runs the Windows program under Wine on a private X server and uses it
# only from the outside, as a person would: typing and pasting into its
# boxes, clicking its buttons, pressing keys, closing windows by their
# close box, and reading texts back through the clipboard. Each scenario
# starts the program afresh; all run unless some are named.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -ge 2 ]] || { echo "usage: $0 WINEPREFIX VONDREL_EXE [SCENARIO...]" >&2; exit 2; }
export WINEPREFIX=$1
readonly VONDREL=$2
shift 2

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/wine.sh"
source "$here/../../e2e/x_session.sh"
source "$here/../../e2e/expectations.sh"
source "$here/../../e2e/scenarios.sh"

readonly FORM1_CAPTION='VondrelV1.0    -    [编程: Trelmon]'
# Where a person clicks, from the top-left corner of the client area, as
# form1.ui and form2.ui lay the controls out.
readonly TEXT1=(140 36) TEXT2=(372 36) TEXT3=(240 94)
readonly CALCULATE=(60 156) PRINCIPLE=(232 156) EXIT=(400 156)
readonly FORM2_EXIT=(264 100)

# --- The program -----------------------------------------------------------------

# Wine's message boxes copy nothing with Ctrl+C; Wine's trace of them tells
# the prompt that the program passed. A test may ask for more of Wine's
# trace (VONDREL_WINEDEBUG) and for the logs to be kept (VONDREL_LOGS).
start_vondrel() {
    WINEDEBUG=+msgbox${VONDREL_WINEDEBUG:+,$VONDREL_WINEDEBUG} "${WINE[@]}" "$VONDREL" >"$SCRATCH/$SCENARIO.log" 2>&1 &
    APP_PID=$!
    FORM1=$(wait_for_window "$APP_PID" '^VondrelV1\.0') ||
        fail "the main window shows" "no window captioned VondrelV1.0 within the deadline"
}

# Asks the window to close, as its close box does, through the window manager.
close_by_close_box() {
    wmctrl -i -c "$1"
}

result_text() {
    copy_text_of "$FORM1" "${TEXT3[@]}" || echo "(not copied)"
}

expect_calculation() {
    type_into "$FORM1" "${TEXT1[@]}" "$1"
    type_into "$FORM1" "${TEXT2[@]}" "$2"
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_equal "'$1' and '$2' calculate" "$3" "$(result_text)"
}

# The prompt of the last message box shown, from Wine's trace, where it is
# written as L"text" with \hhhh for each character beyond ASCII.
last_prompt() {
    local traced
    traced=$(grep -a 'trace:msgbox:MSGBOX_OnInit L"' "$SCRATCH/$SCENARIO.log" | tail -n 1)
    traced=${traced#*L\"}
    traced=${traced%\"}
    traced=${traced//\\n/$'\n'}
    printf '%b' "${traced//\\/\\u}"
}

# The narrowest box whose caption openbox shows whole, measured: it centres
# the title between the window's icon and the minimize, maximize and close
# buttons.
readonly CAPTION_ROOM=157

holds_its_caption() {
    local _ width
    read -r _ _ width _ < <(client_geometry "$1")
    ((width >= CAPTION_ROOM))
}

# Expects a box captioned with the project title that reads as given.
expect_message_box() {
    local box
    box=$(wait_for_window "$APP_PID" '^Vondrel$') || fail "$1" "no box captioned Vondrel within the deadline"
    expect_equal "$1: caption" Vondrel "$(xdotool getwindowname "$box")"
    expect_that "$1: the caption fits in the title bar" poll holds_its_caption "$box"
    expect_equal "$1: prompt" "$2" "$(last_prompt)"
    press_keys Return
    expect_that "$1: Return dismisses the box" poll no_shown_window "$APP_PID" '^Vondrel$'
}

# --- Scenarios -------------------------------------------------------------------

calculates() {
    start_vondrel
    expect_equal "the main window's caption" "$FORM1_CAPTION" "$(xdotool getwindowname "$FORM1")"
    expect_centred "Form1" "$FORM1" 456 173
    # Calculate has the focus, and Return presses it: both boxes are empty.
    press_keys Return
    expect_message_box "Return right after the start presses Calculate" "请填写完整的输入数据！"
    expect_calculation 100 0.02 300.0
    expect_calculation 4.7k 20ms 6.4
    expect_calculation 33 0.02 909.1
    type_into "$FORM1" "${TEXT2[@]}" '   '
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "a period of spaces is incomplete input" "请填写完整的输入数据！"
    expect_equal "the result box keeps the earlier result" 909.1 "$(result_text)"
    # Wide characters reach Wine whole only through the clipboard.
    type_into "$FORM1" "${TEXT1[@]}" ''
    printf '%s' '１０００' | xclip -selection clipboard 2>/dev/null &
    poll clipboard_holds '１０００' || fail "full-width digits are pasted" "the clipboard was not taken"
    press_keys ctrl+v
    expect_equal "full-width digits arrive as pasted" '１０００' "$(copy_text_of "$FORM1" "${TEXT1[@]}")"
    type_into "$FORM1" "${TEXT2[@]}" 0.02
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_equal "full-width digits calculate" 30.0 "$(result_text)"
}

run_time_errors_are_reported_and_the_program_goes_on() {
    start_vondrel
    type_into "$FORM1" "${TEXT1[@]}" 0
    type_into "$FORM1" "${TEXT2[@]}" 0.02
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "a zero load raises the run-time error box" "运行时错误 '11':"$'\n\n'"除数为零"
    # The narrowest report.
    type_into "$FORM1" "${TEXT1[@]}" 1
    type_into "$FORM1" "${TEXT2[@]}" 1e308
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "an overflow raises the run-time error box" "运行时错误 '6':"$'\n\n'"溢出"
    expect_that "the program still runs" process_running "$APP_PID"
    expect_calculation 4700 0.01 3.2
}

principle_window_is_modal() {
    start_vondrel
    expect_calculation 1000 0.02 30.0
    type_into "$FORM1" "${TEXT1[@]}" 100

    click_at "$FORM1" "${PRINCIPLE[@]}"
    local form2
    form2=$(wait_for_window "$APP_PID" '^Form2$') || fail "the principle button opens Form2" "no Form2 within the deadline"
    expect_centred "Form2" "$form2" 310 127
    local owner
    owner=$(xprop -id "$form2" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    expect_equal "Form2 belongs to Form1" "$FORM1" "$((owner))"
    click_at "$FORM1" "${CALCULATE[@]}"
    press_keys Return
    expect_that "Return presses Form2's exit button, which closes it" poll no_shown_window "$APP_PID" '^Form2$'
    expect_equal "Calculate took no click while Form2 was open" 30.0 "$(result_text)"

    click_at "$FORM1" "${PRINCIPLE[@]}"
    form2=$(wait_for_window "$APP_PID" '^Form2$') || fail "Form2 opens again" "no Form2 within the deadline"
    close_by_close_box "$form2"
    expect_that "Form2's close box closes it" poll no_shown_window "$APP_PID" '^Form2$'

    click_at "$FORM1" "${PRINCIPLE[@]}"
    form2=$(wait_for_window "$APP_PID" '^Form2$') || fail "Form2 opens a third time" "no Form2 within the deadline"
    click_at "$form2" "${FORM2_EXIT[@]}"
    expect_that "Form2's exit button closes it" poll no_shown_window "$APP_PID" '^Form2$'
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_equal "Calculate answers again" 300.0 "$(result_text)"
}

exit_button_ends_the_program() {
    start_vondrel
    click_at "$FORM1" "${EXIT[@]}"
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
    "${WINE[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
    wineserver --kill  # the density is read as Wine starts
    start_vondrel
    expect_centred "Form1 at 200 %" "$FORM1" 912 346
    click_at "$FORM1" $((2 * EXIT[0])) $((2 * EXIT[1]))
    wait_for_exit
    expect_equal "Exit at 200 % ends the program with status 0" 0 "$EXIT_STATUS"
}

# Back to 100 %, for the tests that share the prefix.
restore_the_density() {
    "${WINE[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
    wineserver --kill
}

# --- Running ---------------------------------------------------------------------

stop_wine() {
    wineserver --kill 2>/dev/null
}

open_test_session stop_wine

if [[ $# -eq 0 ]]; then
    set -- calculates run_time_errors_are_reported_and_the_program_goes_on principle_window_is_modal \
        exit_button_ends_the_program close_box_ends_the_program lays_out_at_twice_the_density
fi
run_scenarios "$@"
status=$?
[[ -z ${VONDREL_LOGS:-} ]] || cp "$SCRATCH"/*.log "$VONDREL_LOGS"
restore_the_density
exit "$status"
