# Running the Windows builds under Wine as on a Chinese (PRC) Windows: a
# prefix of the test's own, 64- or 32-bit, the system's texts in Chinese,
# and 宋体 with its English name SimSun set in Noto Serif CJK SC, a Song
# face, as Chinese Windows has 宋体. Sourced by the Windows tests, which set
# WINEPREFIX.

export WINEDEBUG=-all
# No .NET or HTML engine to install: the programs use neither. A test may
# add overrides of its own.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Runs a Windows program in the prefix, with Chinese (PRC) for Wine alone:
# the machine need not have that locale, and then the shell would warn.
# The command becomes the program's process.
readonly WINE=(env LC_ALL=zh_CN.UTF-8 wine)

# make_wine_prefix WINEARCH [WINDOWS_VERSION]
# Makes the prefix afresh, win64 or win32, as the Windows version given
# (such as win7) or Wine's default.
make_wine_prefix() {
    rm -rf "$WINEPREFIX"
    # Made without a display, so that Wine shows no progress window.
    DISPLAY= WINEARCH=$1 env LC_ALL=zh_CN.UTF-8 wineboot --init || return
    if [[ -n ${2:-} ]]; then
        DISPLAY= "${WINE[@]}" reg add 'HKCU\Software\Wine' /v Version /d "$2" /f >/dev/null || return
    fi
    local substitutes="$WINEPREFIX/font-substitutes.reg"
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="Noto Serif CJK SC"
"SimSun"="Noto Serif CJK SC"
EOF
    } >"$substitutes"
    DISPLAY= "${WINE[@]}" regedit /S "$(winepath -w "$substitutes")" || return
    wineserver --wait
}
