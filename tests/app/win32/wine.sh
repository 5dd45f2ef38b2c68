# Running the Windows builds under Wine as on a Chinese (PRC) Windows: the
# system's texts in Chinese, and 宋体 with its English name SimSun set in
# Noto Serif CJK SC, a Song face, as Chinese Windows has 宋体. Sourced by
# the Windows tests and the benchmark, which set WINEPREFIX and say the
# architecture of the program that they run, x64 or x86, in
# VONDREL_ARCHITECTURE.

export WINEDEBUG=-all
# No .NET or HTML engine to install: the programs use neither. A test may
# add overrides of its own.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Each architecture through Wine's loader of its own, named: Debian's
# /usr/bin/wine takes the 32-bit loader whenever wine32 is installed, and
# that one starts a 64-bit program as another process and leaves. Debian 12
# and 13 keep the loaders in /usr/lib/wine: wine64, and wine from wine32.
# A Wine built for WoW64, as Debian unstable's Wine 10, has one 64-bit
# loader, elsewhere, that runs 32-bit programs too, in 64-bit prefixes
# only; it needs no 32-bit code on the machine.
wow64_wine=/usr/lib/x86_64-linux-gnu/wine
if [[ -x $wow64_wine/wine && -e $wow64_wine/i386-windows/ntdll.dll ]]; then
    readonly WINE64_LOADER=$wow64_wine/wine WINE32_LOADER=
    readonly WINESERVER=$wow64_wine/wineserver
else
    readonly WINE64_LOADER=/usr/lib/wine/wine64 WINE32_LOADER=/usr/lib/wine/wine
    readonly WINESERVER=/usr/lib/wine/wineserver
fi
unset wow64_wine

# The loader of the program's architecture, and the architecture of the
# prefixes made for it: 32-bit for x86, as a 32-bit Windows, where Wine
# has them.
case ${VONDREL_ARCHITECTURE:-} in
    x64) readonly PROGRAM_LOADER=$WINE64_LOADER PROGRAM_WINEARCH=win64 ;;
    x86) if [[ -n $WINE32_LOADER ]]; then
             readonly PROGRAM_LOADER=$WINE32_LOADER PROGRAM_WINEARCH=win32
         else
             readonly PROGRAM_LOADER=$WINE64_LOADER PROGRAM_WINEARCH=win64
         fi ;;
    *) echo "wine.sh: VONDREL_ARCHITECTURE is x64 or x86, not '${VONDREL_ARCHITECTURE:-}'" >&2; return 2 ;;
esac

# Debian's Wine packages (8 in Debian 12; 10 in 13 and unstable) ship no
# preloader, the part of Wine that reserves the addresses that Windows fixes
# before anything else is mapped. Without it the loader's heap, which the
# kernel puts anywhere in the gigabyte after the loader, now and then covers
# the shared user data's address, 0x7ffe0000, and Wine ends with "failed to
# map the shared user data" before the program runs. Unrandomized, the heap
# starts right after the loader, far below. A Wine with its preloader needs
# none of this.
if [[ -e $WINE64_LOADER-preloader ]]; then
    readonly FIXED_LAYOUT=()
else
    readonly FIXED_LAYOUT=(setarch --addr-no-randomize)
fi

# Runs a Windows program, or one of Wine's own (reg, msiexec), in the
# prefix, with Chinese (PRC) for Wine alone: the machine need not have that
# locale, and then the shell would warn. WINE runs the program under test;
# WINE64 Wine's own programs in a 64-bit prefix, WINE32 in a 32-bit one.
# The command becomes the program's process, whose pid Wine keeps when the
# loader matches the program. The processes that Wine starts itself are
# started by the same loader, which WINELOADER names.
readonly WINE=("${FIXED_LAYOUT[@]}" env LC_ALL=zh_CN.UTF-8 WINELOADER="$PROGRAM_LOADER" "$PROGRAM_LOADER")
readonly WINE64=("${FIXED_LAYOUT[@]}" env LC_ALL=zh_CN.UTF-8 WINELOADER="$WINE64_LOADER" "$WINE64_LOADER")
readonly WINE32=("${FIXED_LAYOUT[@]}" env LC_ALL=zh_CN.UTF-8 WINELOADER="$WINE32_LOADER" "$WINE32_LOADER")

wineserver() {
    "$WINESERVER" "$@"
}

# Wine's own programs, in the loader of the prefix's architecture.
wine_tool() {
    if [[ $(<"$WINEPREFIX/.vondrel-winearch") == win32 ]]; then "${WINE32[@]}" "$@"; else "${WINE64[@]}" "$@"; fi
}

winepath() {
    wine_tool winepath "$@"
}

# make_wine_prefix [WINEARCH [WINDOWS_VERSION]]
# Makes the prefix afresh, win64 or win32 (the program's, by default), as
# the Windows version given (such as win7) or Wine's default.
make_wine_prefix() {
    local arch=${1:-$PROGRAM_WINEARCH}
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "$arch" >"$WINEPREFIX/.vondrel-winearch"
    # Made without a display, so that Wine shows no progress window.
    DISPLAY= WINEARCH=$arch wine_tool wineboot --init || return
    if [[ -n ${2:-} ]]; then
        DISPLAY= wine_tool reg add 'HKCU\Software\Wine' /v Version /d "$2" /f >/dev/null || return
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
    DISPLAY= wine_tool regedit /S "$(DISPLAY= winepath -w "$substitutes")" || return
    wineserver --wait
}

# use_copy_of_wine_prefix TEMPLATE FOLDER [WINDOWS_VERSION]
# Sets WINEPREFIX to a copy of the prefix TEMPLATE in FOLDER, as the Windows
# version given or the template's, so that tests running side by side never
# share a prefix, its Wine server or its settings.
use_copy_of_wine_prefix() {
    export WINEPREFIX=$2/prefix
    cp -a "$1" "$WINEPREFIX" || return
    [[ -n ${3:-} ]] || return 0
    DISPLAY= wine_tool reg add 'HKCU\Software\Wine' /v Version /d "$3" /f >/dev/null 2>&1 || return
    # Wine, started without a display, would keep none for the program.
    wineserver --wait
}
