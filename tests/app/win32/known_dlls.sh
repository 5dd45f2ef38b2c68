# Windows 7 SP1's KnownDLLs (HKLM\SYSTEM\CurrentControlSet\Control\Session
# Manager\KnownDLLs), which later versions keep: the loader maps them from
# System32 alone, never from beside the program. Not among them, and so
# looked for beside the program first: msimg32, oleacc, uxtheme, comctl32,
# version, dwmapi, shcore and most others.
readonly KNOWN_DLLS=(advapi32 clbcatq comdlg32 difxapi gdi32 iertutil imagehlp imm32 kernel32 lpk msctf
    msvcrt normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi urlmon user32
    usp10 wininet wldap32 ws2_32)

# is_known_dll NAME: NAME, in any case, with or without .dll, is one of them.
is_known_dll() {
    local name=${1,,}
    [[ " ${KNOWN_DLLS[*]} " == *" ${name%.dll} "* ]]
}
