#!/usr/bin/env bash
# tst_package_lists.sh INSTALL_DEPENDENCIES
#
# Resolves the package lists that the scripts install as apt would on a
# machine that has none of them: each list resolves, and scripts/run's
# brings in none of the tools that only the tests or the Windows build need.
# Skips (77) where apt knows no packages yet, before any apt-get update.
set -uo pipefail
[[ $# -eq 1 ]] || { echo "usage: $0 INSTALL_DEPENDENCIES" >&2; exit 2; }
readonly INSTALL_DEPENDENCIES=$1

apt-cache show cmake >/dev/null 2>&1 || { echo "SKIP  apt knows no packages"; exit 77; }
# An empty status file: apt takes nothing to be installed.
none=$(mktemp)
trap 'rm -f "$none"' EXIT
passed=0 failed=0

result() {
    if [[ $2 == ok ]]; then
        echo "PASS  $1"
        ((++passed))
    else
        echo "FAIL  $1: $2"
        ((++failed))
    fi
}

# Prints the packages that installing the lists given brings in, one a line.
resolve() {
    local packages
    mapfile -t packages < <("$INSTALL_DEPENDENCIES" --print "$@")
    apt-get --simulate --no-install-recommends -o Dir::State::status="$none" install "${packages[@]}" |
        awk '/^Inst / { print $2 }'
    return "${PIPESTATUS[0]}"
}

for list in @test @build-windows @build-web @release; do
    if resolve "$list" >/dev/null 2>&1; then result "$list resolves" ok; else result "$list resolves" "apt-get refuses it"; fi
done

# The tools that building and running never need: the cross compilers,
# Wine, Clang, the X server and its drivers of the end-to-end tests, the
# large Chinese font that the Windows tests set 宋体 in, emscripten and the
# browser of the web page's tests.
if brought=$(resolve @run 2>/dev/null); then result "@run resolves" ok; else result "@run resolves" "apt-get refuses it"; fi
strays=$(grep -E '^(wine|clang|libclang|[a-z0-9+.-]*mingw|xvfb|openbox|xdotool|fonts-noto-cjk|emscripten|chromium)' <<<"$brought" | tr '\n' ' ')
result "@run brings in $(wc -l <<<"$brought") packages, no tool of the tests, the Windows build or the web page" \
    "${strays:-ok}"

echo "package lists: $passed passed, $failed failed"
((failed == 0))
