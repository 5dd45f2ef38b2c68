# The files an installation holds, under its prefix, for the application
# id given: the program, its menu entry, its listing and the icon theme's
# images, one per size, and the licences of the program's own font and of
# fast_float, which is compiled into it.
installed_files() {
    local id=$1 size
    echo bin/vondrel
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo share/doc/vondrel/font-licence.txt
    echo share/doc/vondrel/fast-float-licence.txt
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x$size/apps/$id.png"
    done
}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
