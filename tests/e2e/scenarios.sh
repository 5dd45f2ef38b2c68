# What the end-to-end tests of both front ends share: the program's
# process, the check of a window's place, and running scenarios one by one.
# Sourced after x_session.sh and expectations.sh by a test that defines
# start_vondrel, setting APP_PID, and the scenarios.

stop_vondrel() {
    [[ -n ${APP_PID:-} ]] || return 0
    process_ended "$APP_PID" || kill "$APP_PID"
    wait "$APP_PID"
}

# Waits for the program to end and sets EXIT_STATUS.
wait_for_exit() {
    EXIT_STATUS="still running"
    poll process_ended "$APP_PID" || return
    wait "$APP_PID"
    EXIT_STATUS=$?
    APP_PID=
}

# Expects the window's client area to have that size and its middle on the
# middle of the screen, to the half pixel that an odd size leaves.
expect_centred() {
    # A window may be mapped a moment before it has its size.
    expect_eventually "$1 has its design size" "$3x$4" client_size "$2"
    local left top width height
    read -r left top width height < <(client_geometry "$2")
    if (((2 * left + width - SCREEN_WIDTH) ** 2 <= 1 && (2 * top + height - SCREEN_HEIGHT) ** 2 <= 1)); then
        pass "$1 is centred on the screen"
    else
        fail "$1 is centred on the screen" "client area at ${left},${top} on a ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen"
    fi
}

# Runs each scenario named in a subshell of its own, which a failed check
# ends, shows what the program wrote in a failed one, and prints the count.
# Fails unless all passed.
run_scenarios() {
    local passed=0 failed=0
    for SCENARIO in "$@"; do
        if (trap stop_vondrel EXIT; "$SCENARIO"); then
            ((++passed))
        else
            ((++failed))
            echo "----- what the program wrote in $SCENARIO:"
            cat "$SCRATCH/$SCENARIO.log"
            echo "-----"
        fi
    done
    echo "scenarios: $passed passed, $failed failed"
    ((failed == 0))
}
