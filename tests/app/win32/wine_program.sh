# The Windows program under Wine, for the tests that use it from outside as
# a person would, on an X server of their own: starting and ending it, where
# a person clicks, its result and its message boxes, with Wine's and the X
# session's helpers and the checks. VONDREL is the program, and
# VONDREL_WINDOW_PROBE the build's window_probe.

source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/x_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/expectations.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/scenarios.sh"

readonly FORM1_CAPTION='VondrelV1.0    -    [编程: Trelmon]'
# Where a person clicks, from the top-left corner of the client area, as
# form1.ui and form2.ui lay the controls out at 96 dpi.
readonly TEXT1=(140 36) TEXT2=(372 36) TEXT3=(240 94)
readonly CALCULATE=(60 156) PRINCIPLE=(232 156) EXIT=(400 156)
readonly FORM2_EXIT=(264 100)

# The density that the program lays its windows out for, in dots per inch.
DPI=96

# where POINT: where the point named above is with the windows laid out at
# DPI, rounded as Windows' MulDiv rounds.
where() {
    local -n point=$1
    echo $(((point[0] * DPI + 48) / 96)) $(((point[1] * DPI + 48) / 96))
}

# Wine's message boxes copy nothing with Ctrl+C; Wine's trace of them tells
# the prompt that the program passed. A test may ask for more of Wine's
# trace (VONDREL_WINEDEBUG) and for the logs to be kept (VONDREL_LOGS).
start_vondrel() {
    WINEDEBUG=+msgbox${VONDREL_WINEDEBUG:+,$VONDREL_WINEDEBUG} "${WINE[@]}" "$VONDREL" >"$SCRATCH/$SCENARIO.log" 2>&1 &
    APP_PID=$!
    FORM1=$(wait_for_window '^VondrelV1\.0') ||
        fail "the main window shows" "no window captioned VondrelV1.0 within the deadline"
}

# Ends what a scenario left running: the program, in whichever process Wine
# runs it, and Wine's own processes with it.
stop_vondrel() {
    [[ -n ${APP_PID:-} ]] || return 0
    process_ended "$APP_PID" || wineserver --kill
    wait "$APP_PID"
}

# Ends Wine in the prefix, with every process of the program's, at the end
# of a test.
stop_wine() {
    wineserver --kill 2>/dev/null
}

# Asks the window to close, as its close box does, through the window manager.
close_by_close_box() {
    wmctrl -i -c "$1"
}

# text_of CAPTION POINT: the text of the box at the point of the window
# whose caption begins so, read from outside as a screen reader reads it.
text_of() {
    local point
    point=$(where "$2")
    "${WINE[@]}" "$VONDREL_WINDOW_PROBE" text "$1" $point 2>/dev/null || echo "(not read)"
}

result_text() {
    text_of VondrelV1.0 TEXT3
}

expect_calculation() {
    type_into "$FORM1" $(where TEXT1) "$1"
    type_into "$FORM1" $(where TEXT2) "$2"
    click_at "$FORM1" $(where CALCULATE)
    # The click reaches the program through the X server and Wine, a moment
    # after xdotool has sent it.
    expect_eventually "'$1' and '$2' calculate" "$3" result_text
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

# Expects a box captioned with the project title that reads as given.
expect_message_box() {
    local box
    box=$(wait_for_window '^Vondrel$') || fail "$1" "no box captioned Vondrel within the deadline"
    expect_equal "$1: caption" Vondrel "$(xdotool getwindowname "$box")"
    expect_equal "$1: prompt" "$2" "$(last_prompt)"
    press_keys Return
    expect_that "$1: Return dismisses the box" poll no_shown_window '^Vondrel$'
}
