# Checks for the end-to-end scenarios. Each passed check prints one "ok"
# line; the first failed one prints a "FAIL" line saying what was expected
# and what was found, and ends the scenario, which runs in a subshell of its
# own. SCENARIO names the scenario running. Checks must not run inside a
# command substitution, where ending the subshell would end only that.

pass() {
    echo "ok    $SCENARIO: $1"
}

fail() {
    echo "FAIL  $SCENARIO: $1: $2"
    exit 1
}

expect_equal() {
    if [[ $3 == "$2" ]]; then pass "$1"; else fail "$1" "expected '$2', got '$3'"; fi
}

# Passes when the command, the rest of the arguments, succeeds.
expect_that() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what" "not so (${*})"; fi
}

# Passes once the command prints the expected text; the screen and the
# window manager catch up with the program a moment later.
expect_eventually() {
    local what=$1 expected=$2 actual
    shift 2
    local deadline=$(($(now_milliseconds) + STEP_MILLISECONDS))
    until actual=$("$@"); [[ $actual == "$expected" ]]; do
        (($(now_milliseconds) < deadline)) || fail "$what" "expected '$expected', got '$actual'"
        sleep 0.02
    done
    pass "$what"
}

# expect_pixels WHAT COUNT-TEST WINDOW X Y WIDTH HEIGHT PIXEL-TEST
# Passes once the number n of pixels of the rectangle that meet the pixel
# test (see count_pixels) meets the count test, an arithmetic expression
# in n.
expect_pixels() {
    local what=$1 count_test=$2 n
    shift 2
    local deadline=$(($(now_milliseconds) + STEP_MILLISECONDS))
    until n=$(count_pixels "$@") && (($count_test)); do
        (($(now_milliseconds) < deadline)) ||
            fail "$what" "n = $n pixels of the ${4}x${5} at ${2},${3} meet '$6'; wanted $count_test"
        sleep 0.02
    done
    pass "$what"
}
