# Helpers for driving the program on a real X server as a person would:
# a private Xvfb screen with a window manager, windows found by caption,
# clicks and keys through xdotool, texts read back through the clipboard and
# colours read off the screen. Sourced by the end-to-end tests, with
# expectations.sh; a test that reads colours sets READ_PIXELS (the
# pixel-reading tool).

readonly SCREEN_WIDTH=1024 SCREEN_HEIGHT=768

# Every wait ends at this deadline, so that a hang fails the step instead of
# blocking the run; slow, sanitized builds start well within it.
readonly STEP_MILLISECONDS=10000
# And the whole session ends at this one.
readonly SESSION_SECONDS=180

now_milliseconds() {
    local micro=${EPOCHREALTIME/[.,]/}
    echo $((10#$micro / 1000))
}

# Runs the command until it succeeds; fails once the step's deadline passes.
poll() {
    local deadline=$(($(now_milliseconds) + STEP_MILLISECONDS))
    until "$@"; do
        (($(now_milliseconds) < deadline)) || return 1
        sleep 0.02
    done
}

# --- The session ---------------------------------------------------------

# Starts Xvfb on a display that no one else uses, and a window manager, so
# that windows get frames, focus on click and activation as on a desktop.
start_x_session() {
    # The session is the test's own: no user settings, no desktop input
    # method, and no message bus. Given no bus address, libdbus looks for
    # one, and the sanitized build finds memory of that search leaked.
    # Without a bus there is no desktop portal either, and Qt is told so:
    # Qt 6.8 otherwise asks the portal for its version at start-up and keeps
    # the unanswered call to the end, which the sanitized build reports as
    # leaked.
    mkdir -m 700 "$SCRATCH/runtime" "$SCRATCH/config"
    export XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/config"
    unset QT_IM_MODULE XMODIFIERS QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY XDG_SESSION_TYPE GTK_THEME
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent QT_NO_XDG_DESKTOP_PORTAL=1

    local display_file="$SCRATCH/display" fd
    exec {fd}>"$display_file"
    # -displayfd: the server picks a free display and writes its number
    # there once it accepts clients. -noreset: a server that resets when its
    # last client leaves turns away the clients that connect meanwhile, and
    # the window manager failed to start now and then. The time limit ends
    # a hang that no step's deadline covers, such as a tool stuck on the
    # server: every client ends with the server.
    timeout "$SESSION_SECONDS" Xvfb -displayfd "$fd" -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" \
        -nolisten tcp -noreset >"$SCRATCH/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec {fd}>&-
    poll grep -q '^[0-9][0-9]*$' "$display_file" || { cat "$SCRATCH/xvfb.log"; return 1; }
    export DISPLAY=":$(<"$display_file")"

    openbox --sm-disable >"$SCRATCH/openbox.log" 2>&1 &
    WM_PID=$!
    poll window_manager_running || {
        echo "on display $DISPLAY:"
        cat "$SCRATCH/xvfb.log" "$SCRATCH/openbox.log"
        return 1
    }
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Makes the test's private folder, SCRATCH, and starts its X session; both
# go when the test ends, after the teardown command given, if any.
open_test_session() {
    SCRATCH=$(mktemp -d)
    SESSION_TEARDOWN=${1:-true}
    trap 'close_test_session' EXIT
    trap 'exit 130' INT TERM
    SCENARIO=session
    start_x_session || fail "the X session starts" "see above"
}

close_test_session() {
    "$SESSION_TEARDOWN"
    stop_x_session
    rm -rf "$SCRATCH"
}

stop_x_session() {
    local pid
    for pid in ${WM_PID:-} ${XVFB_PID:-}; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    return 0
}

# --- Processes -------------------------------------------------------------

# Gone, or ended and waiting for its parent to collect the exit status.
process_ended() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    [[ ${stat:0:1} == Z ]]
}

process_running() {
    ! process_ended "$1"
}

# --- Windows ---------------------------------------------------------------

# The shown windows whose caption matches the extended regular expression,
# one id a line: on the test's own display, of the process given, if any.
# (Wine may run a program in another process than the one started.)
shown_windows() {
    xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "$1" 2>/dev/null
}

# Waits for exactly one such window and prints its id.
wait_for_window() {
    poll one_shown_window "$@" && shown_windows "$@"
}

one_shown_window() {
    [[ $(shown_windows "$@" | wc -l) -eq 1 ]]
}

no_shown_window() {
    [[ -z $(shown_windows "$@") ]]
}

is_active_window() {
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]
}

# The window's client area on the screen: left top width height.
client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

client_size() {
    local _ width height
    read -r _ _ width height < <(client_geometry "$1")
    echo "${width}x$height"
}

# The window's frame, as the window manager draws it around the client
# area: left top width height.
frame_geometry() {
    local left top width height extents el er et eb
    read -r left top width height < <(client_geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r el er et eb <<<"${extents:-0,0,0,0}"
    echo $((left - el)) $((top - et)) $((width + el + er)) $((height + et + eb))
}

# The window has the focus and no other client window is stacked above it.
active_and_on_top() {
    is_active_window "$1" || return 1
    local top
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }')
    ((top == $1))
}

# --- Acting as the user ------------------------------------------------------

# Gives each character of the text a key of its own on the session's
# keyboard, for programs started afterwards. xdotool would otherwise bind
# one spare key anew for each character that no key has, and a program may
# read the key press under the binding of a later character.
give_keys_to() {
    local spare expressions=() i code
    spare=($(xmodmap -pke | awk 'NF == 3 && $2 > 8 { print $2 }'))
    ((${#spare[@]} > ${#1})) || return 1  # and one left for xdotool
    for ((i = 0; i < ${#1}; i++)); do
        printf -v code 'U%04X' "'${1:i:1}"
        expressions+=(-e "keycode ${spare[i]} = $code")
    done
    xmodmap "${expressions[@]}"
}

# Clicks at a point given from the top-left corner of the window's client
# area.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

press_keys() {
    xdotool key --delay 20 "$@"
}

# Replaces the whole text of the box under the point with the text typed.
type_into() {
    click_at "$1" "$2" "$3"
    press_keys ctrl+a BackSpace
    [[ -z $4 ]] || xdotool type --delay 20 "$4"
}

# --- The clipboard -------------------------------------------------------------

readonly CLIPBOARD_MARKER='(nothing copied yet)'

clipboard_text() {
    timeout 2 xclip -o -selection clipboard 2>/dev/null
}

clipboard_holds() {
    [[ $(clipboard_text) == "$1" ]]
}

clipboard_changed() {
    local text
    text=$(clipboard_text) && [[ $text != "$CLIPBOARD_MARKER" ]]
}

# Prints what the command given copies to the clipboard. The clipboard holds
# a marker first, so a copy that never happens is told from one that repeats
# the last text.
copied_by() {
    # This xclip serves the marker until another client takes the clipboard
    # over; if none does, it is ended here.
    printf '%s' "$CLIPBOARD_MARKER" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
    local marker_pid=$!
    if poll clipboard_holds "$CLIPBOARD_MARKER" && "$@" && poll clipboard_changed; then
        clipboard_text
    else
        kill "$marker_pid" 2>/dev/null
        return 1
    fi
}

select_all_and_copy() {
    click_at "$1" "$2" "$3" && press_keys ctrl+a ctrl+c
}

# Prints the whole text of the box under the point, selected and copied with
# the keyboard as a person would.
copy_text_of() {
    copied_by select_all_and_copy "$1" "$2" "$3"
}

# --- The screen --------------------------------------------------------------

# Prints the colours, RRGGBB, of a rectangle given in the window's client
# area, one line per pixel row.
read_pixels() {
    local left top _
    read -r left top _ < <(client_geometry "$1")
    "$READ_PIXELS" $((left + $2)) $((top + $3)) "$4" "$5"
}

colour_at() {
    read_pixels "$1" "$2" "$3" 1 1
}

# How many pixels of the rectangle meet the awk condition on their red,
# green and blue bytes r, g and b.
count_pixels() {
    read_pixels "$1" "$2" "$3" "$4" "$5" | awk '
        function byte(hex, from) {
            return 16 * index("0123456789abcdef", substr(hex, from, 1)) \
                   + index("0123456789abcdef", substr(hex, from + 1, 1)) - 17
        }
        {
            for (i = 1; i <= NF; i++) {
                r = byte($i, 1); g = byte($i, 3); b = byte($i, 5)
                if ('"$6"') n++
            }
        }
        END { print n + 0 }'
}
