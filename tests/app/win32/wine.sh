# Running the Windows builds under Wine as on a Chinese (PRC) Windows: a
# 64-bit prefix of the test's own, the system's texts in Chinese, and 宋体
# with its English name SimSun set in Noto Serif CJK SC, a Song face, as
# Chinese Windows has 宋体. Sourced by the Windows tests, which set
# WINEPREFIX.

export WINEARCH=win64 WINEDEBUG=-all
# No .NET or HTML engine to install: the programs use neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Runs a Windows program in the prefix, with Chinese (PRC) for Wine alone:
# the machine need not have that locale, and then the shell would warn.
# The command becomes the program's process.
readonly WINE=(env LC_ALL=zh_CN.UTF-8 wine)

# Makes the prefix afresh.
make_wine_prefix() {
    rm -rf "$WINEPREFIX"
    # Made without a display, so that Wine shows no progress window.
    DISPLAY= env LC_ALL=zh_CN.UTF-8 wineboot --init || return
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
