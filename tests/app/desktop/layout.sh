# The files an installation holds, under its prefix, for the application
# id given: the program, its manual page, its menu entry, its listing and
# the icon theme's images, one per size, the changelog and the copyright
# file, which holds the licences of all that is compiled into the program.
installed_files() {
    local id=$1 size
    echo bin/vondrel
    echo share/man/man1/vondrel.1.gz
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo share/doc/vondrel/changelog.gz
    echo share/doc/vondrel/copyright
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x$size/apps/$id.png"
    done
}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
