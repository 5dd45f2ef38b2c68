# The Debian package: what `cmake --install` puts under /usr. The libraries
# come from dpkg-shlibdeps, through Qt's public ABI alone, so that one
# package serves every Debian release with Qt 6.4 or later. Qt loads its
# window-system plugin and its Chinese translation at run time, which no
# library link shows. The program brings its own 宋体; a system Song face
# only draws Chinese that the user types beyond the program's own texts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vondrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Trelmon)
set(CPACK_PACKAGE_CONTACT "Trelmon <trelmon@vondrel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "filter-capacitor calculator for rectifier power supplies")
# Wrapped as Debian wraps descriptions, within 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Given the load resistance and the period of the supply voltage, Vondrel\n"
    "shows the smallest smoothing capacitance, C = 3T/(2R), in microfarads.\n"
    "Its interface is in simplified Chinese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VONDREL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk | fonts-arphic-uming")
include(CPack)
