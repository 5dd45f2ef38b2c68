#!/usr/bin/env bash
# tst_end_to_end.sh VONDREL SEND_CLOSE_REQUEST READ_PIXELS
#
# Runs the built program on a private X server and uses it only from the
# outside, as a person would: typing into its boxes, clicking its buttons
# where they are drawn, pressing keys, closing windows by their close box,
# and reading the result box back through the clipboard and the colours
# off the screen. Each scenario starts the program afresh.
set -uo pipefail
# Characters beyond ASCII are typed, counted and compared as UTF-8.
export LC_ALL=C.UTF-8

[[ $# -eq 3 ]] || { echo "usage: $0 VONDREL SEND_CLOSE_REQUEST READ_PIXELS" >&2; exit 2; }
readonly VONDREL=$1 SEND_CLOSE_REQUEST=$2 READ_PIXELS=$3

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/x_session.sh"
source "$here/expectations.sh"
source "$here/colours_on_screen.sh"
source "$here/scenarios.sh"

readonly FORM1_CAPTION='VondrelV1.0    -    [编程: Trelmon]'
readonly FORM1_WIDTH=456 FORM1_HEIGHT=173 FORM2_WIDTH=310 FORM2_HEIGHT=127

# Where a person clicks: the middle of each control, in pixels from the
# top-left corner of the client area, as form1.ui and form2.ui lay them out.
readonly TEXT1=(140 36) TEXT2=(372 36) TEXT3=(240 94)
readonly CALCULATE=(60 156) PRINCIPLE=(232 156) EXIT=(400 156)
readonly FORM2_EXIT=(264 100)

# --- The program -----------------------------------------------------------------

# Starts the program and waits for its main window, FORM1.
start_vondrel() {
    "$VONDREL" >"$SCRATCH/$SCENARIO.log" 2>&1 &
    APP_PID=$!
    FORM1=$(wait_for_window '^VondrelV1\.0' "$APP_PID") ||
        fail "the main window shows" "no window captioned VondrelV1.0 within the deadline"
}

# The text of the result box, or why it could not be copied.
result_text() {
    copy_text_of "$FORM1" "${TEXT3[@]}" && return
    if one_shown_window '^Vondrel$' "$APP_PID"; then
        echo "(not copied: a box captioned Vondrel is open)"
    else
        echo "(not copied)"
    fi
}

# Fills both boxes, clicks Calculate and expects the result box to show the
# text.
expect_calculation() {
    type_into "$FORM1" "${TEXT1[@]}" "$1"
    type_into "$FORM1" "${TEXT2[@]}" "$2"
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_equal "'$1' and '$2' calculate" "$3" "$(result_text)"
}

# Expects a modal box captioned with the project title to open and take the
# focus, and sets BOX to its id.
expect_message_box() {
    BOX=$(wait_for_window '^Vondrel$' "$APP_PID") || fail "$1" "no box captioned Vondrel within the deadline"
    # The search above ignores case.
    expect_equal "$1: caption" Vondrel "$(xdotool getwindowname "$BOX")"
    xprop -id "$BOX" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "$1" "the box is not modal"
    poll is_active_window "$BOX" || fail "$1" "the box does not take the focus"
    pass "$1"
}

# Copies the open box with Ctrl+C, as on Windows, and expects its caption,
# the text given and its one button.
expect_box_reads() {
    local line=---------------------------
    local expected
    printf -v expected '%s\n%s\n%s\n%s\n%s\n%s\n%s' "$line" Vondrel "$line" "$1" "$line" "确定   " "$line"
    expect_equal "the box reads: ${1//$'\n'/ }" "$expected" "$(copied_by press_keys ctrl+c)"
}

# Dismisses the open box with the key and expects the focus back on Form1.
dismiss_with() {
    press_keys "$1"
    expect_that "$1 dismisses the box" poll no_shown_window '^Vondrel$' "$APP_PID"
    expect_that "Form1 has the focus again" poll is_active_window "$FORM1"
}

# --- Scenarios -------------------------------------------------------------------

starts_alone_centred_with_calculate_focused() {
    start_vondrel
    expect_equal "the main window's caption" "$FORM1_CAPTION" "$(xdotool getwindowname "$FORM1")"
    expect_equal "no other window shows" 1 "$(shown_windows '' "$APP_PID" | wc -l)"
    expect_centred "Form1" "$FORM1" "$FORM1_WIDTH" "$FORM1_HEIGHT"

    local hints
    hints=$(xprop -id "$FORM1" WM_NORMAL_HINTS | tr -s '\n\t' '  ')
    [[ $hints == *"minimum size: $FORM1_WIDTH by $FORM1_HEIGHT"* &&
        $hints == *"maximum size: $FORM1_WIDTH by $FORM1_HEIGHT"* ]] ||
        fail "the window manager is told the size is fixed" "$hints"
    pass "the window manager is told the size is fixed"
    # Motif hints: flags, functions, decorations, ...; 8 and 16 are minimize
    # and maximize among the functions, 32 and 64 among the decorations.
    local motif functions decorations
    motif=$(xprop -id "$FORM1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r _ functions decorations _ <<<"$motif"
    if [[ -n $motif ]] && ((!(functions & 0x18) && !(decorations & 0x60))); then
        pass "no minimize or maximize button is asked for"
    else
        fail "no minimize or maximize button is asked for" "Motif hints '$motif'"
    fi

    expect_that "Form1 has the focus" poll is_active_window "$FORM1"
    # Return presses the button that has the focus: with both boxes empty,
    # Calculate finds the input incomplete.
    press_keys Return
    expect_message_box "Return right after the start presses Calculate"
    dismiss_with Return
}

calculates() {
    start_vondrel
    expect_calculation 1000 0.02 30.0
    expect_calculation 33 0.02 909.1
    expect_calculation 4700 0.01 3.2
    expect_calculation '  100  ' 0.02 300.0
    expect_calculation 4k7 20ms 6.4
}

incomplete_input_keeps_the_earlier_result() {
    start_vondrel
    expect_calculation 100 0.02 300.0
    type_into "$FORM1" "${TEXT2[@]}" '   '
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "a period of spaces is incomplete input"
    expect_box_reads "请填写完整的输入数据！"
    local width height
    read -r _ _ width height < <(client_geometry "$BOX")
    expect_pixels "the incomplete-input box shows its text" 'n > 0' "$BOX" 0 0 "$width" "$height" "$INK"
    expect_pixels "the incomplete-input box has no icon" 'n == 0' "$BOX" 0 0 "$width" "$height" "$ICON_RED"
    dismiss_with Escape
    expect_equal "the result box keeps the earlier result" 300.0 "$(result_text)"
}

zero_load_is_reported_and_the_program_goes_on() {
    start_vondrel
    expect_calculation 1000 0.02 30.0
    type_into "$FORM1" "${TEXT1[@]}" 0
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "a zero load raises the run-time error box"
    expect_box_reads "运行时错误 '11':"$'\n\n'"除数为零"
    local width height
    read -r _ _ width height < <(client_geometry "$BOX")
    expect_pixels "the run-time error box shows the critical icon" 'n > 100' "$BOX" 0 0 "$width" "$height" "$ICON_RED"
    dismiss_with Return
    expect_equal "the result box keeps the earlier result" 30.0 "$(result_text)"
    expect_that "the program still runs" process_running "$APP_PID"
    expect_calculation 4700 0.01 3.2
}

full_width_digits_are_read() {
    start_vondrel
    type_into "$FORM1" "${TEXT1[@]}" '１０００'
    expect_equal "full-width digits arrive as typed" '１０００' "$(copy_text_of "$FORM1" "${TEXT1[@]}")"
    expect_calculation '１０００' '０．０２' 30.0
}

principle_window_is_modal() {
    start_vondrel
    expect_calculation 1000 0.02 30.0
    # Complete input that would give 300.0, were Calculate pressed.
    type_into "$FORM1" "${TEXT1[@]}" 100

    click_at "$FORM1" "${PRINCIPLE[@]}"
    local form2
    form2=$(wait_for_window '^Form2$' "$APP_PID") || fail "the principle button opens Form2" "no Form2 within the deadline"
    expect_equal "the principle window's caption" Form2 "$(xdotool getwindowname "$form2")"
    expect_centred "Form2" "$form2" "$FORM2_WIDTH" "$FORM2_HEIGHT"
    expect_that "Form2 has the focus" poll is_active_window "$form2"
    local owner
    owner=$(xprop -id "$form2" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    expect_equal "Form2 belongs to Form1, which keeps it above" "$FORM1" "$((owner))"

    local left top frame_left frame_top frame_width frame_height
    read -r left top _ _ < <(client_geometry "$FORM1")
    read -r frame_left frame_top frame_width frame_height < <(frame_geometry "$form2")
    local x=$((left + CALCULATE[0])) y=$((top + CALCULATE[1]))
    ((x < frame_left || x >= frame_left + frame_width || y < frame_top || y >= frame_top + frame_height)) ||
        fail "Calculate is in sight beside Form2" "Form2's frame covers ${x},${y}"
    pass "Calculate is in sight beside Form2"
    xdotool mousemove "$x" "$y" click 1
    expect_that "Form2 keeps the focus and stays on top" poll active_and_on_top "$form2"

    click_at "$form2" "${FORM2_EXIT[@]}"
    expect_that "Form2's exit button closes it" poll no_shown_window '^Form2$' "$APP_PID"
    expect_that "Form1 has the focus again" poll is_active_window "$FORM1"
    expect_equal "Calculate took no click while Form2 was open" 30.0 "$(result_text)"
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_equal "Calculate answers again" 300.0 "$(result_text)"

    click_at "$FORM1" "${PRINCIPLE[@]}"
    form2=$(wait_for_window '^Form2$' "$APP_PID") || fail "Form2 opens again" "no Form2 within the deadline"
    expect_centred "Form2 opened again" "$form2" "$FORM2_WIDTH" "$FORM2_HEIGHT"
    "$SEND_CLOSE_REQUEST" "$form2" || fail "Form2's close box is clicked" "the request was not sent"
    expect_that "Form2's close box closes it" poll no_shown_window '^Form2$' "$APP_PID"
    expect_that "Form1 has the focus again" poll is_active_window "$FORM1"
    expect_that "the program still runs" process_running "$APP_PID"
    expect_calculation 1000 0.01 15.0
}

# On a Wayland desktop the program goes through its X server, silently.
runs_through_x_on_a_wayland_desktop() {
    export WAYLAND_DISPLAY=wayland-of-no-one XDG_SESSION_TYPE=wayland
    start_vondrel
    expect_centred "Form1" "$FORM1" "$FORM1_WIDTH" "$FORM1_HEIGHT"
    expect_equal "nothing is printed" "" "$(cat "$SCRATCH/$SCENARIO.log")"
}

exit_button_ends_the_program() {
    start_vondrel
    click_at "$FORM1" "${EXIT[@]}"
    wait_for_exit
    expect_equal "Exit ends the program with status 0" 0 "$EXIT_STATUS"
}

close_box_ends_the_program() {
    start_vondrel
    "$SEND_CLOSE_REQUEST" "$FORM1" || fail "Form1's close box is clicked" "the request was not sent"
    wait_for_exit
    expect_equal "the close box ends the program with status 0" 0 "$EXIT_STATUS"
}

# --- Running ---------------------------------------------------------------------

open_test_session
give_keys_to '０１２３４５６７８９．' || fail "the full-width digits get keys" "too few spare keys"

run_scenarios starts_alone_centred_with_calculate_focused calculates \
    incomplete_input_keeps_the_earlier_result zero_load_is_reported_and_the_program_goes_on \
    full_width_digits_are_read principle_window_is_modal runs_through_x_on_a_wayland_desktop \
    exit_button_ends_the_program close_box_ends_the_program colours_on_screen \
    colours_in_a_dark_desktop_theme
