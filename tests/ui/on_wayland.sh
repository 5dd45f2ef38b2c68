#!/usr/bin/env bash
# on_wayland.sh COMMAND...
#
# Runs the command, a Qt program, on Wayland itself: on a private, headless
# Weston of its own and with no X display, so that the windows are framed by
# the decoration that Qt draws itself. Exits with the command's status.
set -uo pipefail

runtime=$(mktemp -d)
weston_pid=
trap '[[ -z $weston_pid ]] || { kill "$weston_pid"; wait "$weston_pid"; } 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
unset DISPLAY
# No message bus and no desktop portal, as for the tests on X
# (tests/e2e/x_session.sh): Qt 6.8 otherwise asks the portal for its
# version at start-up and keeps the unanswered call to the end, which the
# sanitized build reports as leaked.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent QT_NO_XDG_DESKTOP_PORTAL=1
# Qt 6.4.2's Wayland platform leaves objects that libwayland-client made
# for it at exit, which a sanitized build reports as leaked: not the
# program's. The suppression names the library, which the tests keep mapped
# to the end for it (tests/ui/keep_libraries_loaded.cpp).
echo 'leak:libwayland-client.so' >"$runtime/leaks"
export LSAN_OPTIONS="suppressions=$runtime/leaks${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# The time limit ends a compositor that outlives the run in any case.
timeout 120 weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in {1..200}; do
    [[ -S $runtime/$WAYLAND_DISPLAY ]] && break
    sleep 0.05
done
[[ -S $runtime/$WAYLAND_DISPLAY ]] || { echo "Weston did not start:"; cat "$runtime/weston.log"; exit 1; }
"$@"
