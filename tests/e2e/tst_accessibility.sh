#!/usr/bin/env bash
# tst_accessibility.sh VONDREL
#
# Runs the built program as a screen reader meets it: on a private X server,
# with a private D-Bus session and accessibility bus, and accessibility on.
# accessibility_checks.py then uses it through AT-SPI alone and ends it; the
# program must end with status 0.
set -uo pipefail
export LC_ALL=C.UTF-8

[[ $# -eq 1 ]] || { echo "usage: $0 VONDREL" >&2; exit 2; }
readonly VONDREL=$1

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/x_session.sh"
source "$here/expectations.sh"

# The session bus, and on it the launcher of the accessibility bus, which
# the program and the checks both find there.
start_accessibility_bus() {
    local address_file="$SCRATCH/bus-address" fd
    exec {fd}>"$address_file"
    timeout "$SESSION_SECONDS" dbus-daemon --session --nofork --print-address="$fd" >"$SCRATCH/dbus.log" 2>&1 &
    BUS_PID=$!
    exec {fd}>&-
    poll grep -q . "$address_file" || return 1
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address_file")
    export DBUS_SESSION_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$SCRATCH/at-spi.log" 2>&1 &
    LAUNCHER_PID=$!
    poll dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
}

stop_accessibility_bus() {
    local pid
    for pid in ${LAUNCHER_PID:-} ${BUS_PID:-}; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    return 0
}

stop_program_and_bus() {
    [[ -z ${APP_PID:-} ]] || kill "$APP_PID" 2>/dev/null
    stop_accessibility_bus
}

open_test_session stop_program_and_bus
start_accessibility_bus || fail "the accessibility bus starts" "$(cat "$SCRATCH"/dbus.log "$SCRATCH"/at-spi.log)"

SCENARIO=accessibility
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$VONDREL" >"$SCRATCH/vondrel.log" 2>&1 &
APP_PID=$!
# Debian's Python, which has the AT-SPI bindings.
if ! timeout "$SESSION_SECONDS" /usr/bin/python3 "$here/accessibility_checks.py"; then
    echo "----- what the program wrote:"
    cat "$SCRATCH/vondrel.log"
    exit 1
fi
poll process_ended "$APP_PID" || fail "the exit button ends the program" "still running"
wait "$APP_PID"
expect_equal "the program ends with status 0" 0 "$?"
APP_PID=
