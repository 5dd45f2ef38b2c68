#!/usr/bin/env bash
# tst_debian_archive.sh DEBIAN_ARCHIVE
#
# Runs scripts/debian-archive on made-up systems and checks which archive it
# finds among their apt sources, in both of apt's formats.
set -uo pipefail
[[ $# -eq 1 ]] || { echo "usage: $0 DEBIAN_ARCHIVE" >&2; exit 2; }
readonly DEBIAN_ARCHIVE=$1

system=$(mktemp -d)
trap 'rm -rf "$system"' EXIT
passed=0 failed=0

expect() {
    local got
    got=$("$DEBIAN_ARCHIVE" "$system" 2>&1)
    if [[ $got == "$2" ]]; then
        echo "PASS  $1"
        ((++passed))
    else
        echo "FAIL  $1: expected '$2', got '$got'"
        ((++failed))
    fi
}

# A system of that release with no apt sources yet.
new_system() {
    rm -rf "${system:?}/etc"
    mkdir -p "$system/etc/apt/sources.list.d"
    echo "VERSION_CODENAME=$1" >"$system/etc/os-release"
}

new_system trixie
expect "no sources: Debian's own archive" http://deb.debian.org/debian

cat >"$system/etc/apt/sources.list" <<'EOF'
# deb http://commented.example/debian trixie main
deb-src http://source.example/debian trixie main
deb [signed-by=/k.gpg arch=amd64] http://security.example/debian-security trixie-security main
deb http://older.example/debian bookworm main
deb [ signed-by=/k.gpg ] http://mirror.example/debian trixie main  # the mirror
EOF
expect "one a line: the release's own suite, options and comments aside" http://mirror.example/debian

new_system bookworm
echo 'deb http://vendor.example/apt nodistro main' >"$system/etc/apt/sources.list.d/vendor.list"
cat >"$system/etc/apt/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Enabled: no

# The mirror, its fields folded over lines.
Types: deb-src deb
URIs: mirror+file:/etc/apt/mirrors.txt
 https://mirror.example/debian
Suites: bookworm-updates
  bookworm
Components: main
EOF
expect "deb822: enabled stanzas, folded fields, a URI debootstrap can use" https://mirror.example/debian

echo "$passed passed, $failed failed"
((failed == 0))
