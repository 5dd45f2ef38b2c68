# The Windows packages of the program, for the architecture being built:
# a portable zip and an installer (MSI), each with the licences of the
# runtime libraries linked into the program, MinGW-w64's (with its threads
# library) and GCC's, and of fast_float, compiled into it.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(architecture x64)
    set(mingw_licence /usr/share/doc/mingw-w64-x86-64-dev/copyright)
    # Stable for all versions: a newer installer finds and replaces an older one by these.
    set(upgrade_code DA746096-0D79-449C-A2ED-F38A91AF5218)
    set(msi_variables -D UpgradeCode=${upgrade_code}
        -D ProgramComponent=D4541655-0F3C-42CF-A430-73955DD23D9C
        -D LicencesComponent=AAFAFAF1-E920-4B6A-A97E-E1BF1CECF76D
        -D ShortcutComponent=E0B5FE70-195A-401F-B1CE-73CF66151D06
        -D ProgramFilesFolder=ProgramFiles64Folder -D Win64=yes -D ShortcutName=Vondrel)
else()
    set(architecture x86)
    set(mingw_licence /usr/share/doc/mingw-w64-i686-dev/copyright)
    set(upgrade_code A4EF41E8-97F9-4A93-827E-4F05F4A28818)
    set(msi_variables -D UpgradeCode=${upgrade_code}
        -D ProgramComponent=545A4B9E-A869-43A4-8C61-F86A32C843AC
        -D LicencesComponent=5BD105F2-CC72-4A38-B0BA-172F15B69C15
        -D ShortcutComponent=C11C2FBA-9F59-4083-A987-41AED84E7BA5
        -D ProgramFilesFolder=ProgramFilesFolder -D Win64=no -D "ShortcutName=Vondrel (32-bit)")
endif()
set(gcc_licence /usr/share/doc/gcc-mingw-w64-base/copyright)
set(package_name Vondrel-${PROJECT_VERSION}-windows-${architecture})

# The portable zip: the program and the licences, in a folder of their own.
set(portable ${PROJECT_BINARY_DIR}/${package_name})
add_custom_command(
    OUTPUT ${portable}.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable}/licences
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vondrel> ${portable}/
    COMMAND ${CMAKE_COMMAND} -E copy ${mingw_licence} ${portable}/licences/mingw-w64-runtime.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${gcc_licence} ${portable}/licences/gcc-runtime.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${VONDREL_FAST_FLOAT_LICENCE} ${portable}/licences/fast-float.txt
    COMMAND ${VONDREL_PYTHON} ${PROJECT_SOURCE_DIR}/scripts/pack-archive ${portable}.zip ${portable}
    DEPENDS vondrel ${mingw_licence} ${gcc_licence} ${VONDREL_FAST_FLOAT_LICENCE}
            ${PROJECT_SOURCE_DIR}/scripts/pack-archive
    COMMENT "Packing the portable zip")
add_custom_target(portable_zip ALL DEPENDS ${portable}.zip)

# The installer, made by wixl from vondrel.wxs in a folder of the files it
# packs, named as the installed ones: wixl takes only relative paths. They
# are the portable program's, and the icon. The product code is one for each
# version and architecture, derived from both, as a major upgrade needs;
# make-installer derives the package code from the content.
find_program(WIXL wixl REQUIRED)
set(wxs ${CMAKE_CURRENT_SOURCE_DIR}/vondrel.wxs)
set(icon ${PROJECT_SOURCE_DIR}/resources/vondrel.ico)
set(installer ${PROJECT_BINARY_DIR}/${package_name}.msi)
set(staged ${CMAKE_CURRENT_BINARY_DIR}/installer-files)
file(MAKE_DIRECTORY ${staged})
string(UUID product_code NAMESPACE ${upgrade_code} NAME ${PROJECT_VERSION} TYPE SHA1 UPPER)
set(make_installer ${VONDREL_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/make-installer)
set(wixl_command ${WIXL} --arch ${architecture} -D Version=${PROJECT_VERSION} -D Architecture=${architecture}
    -D Homepage=${VONDREL_HOMEPAGE} -D ProductCode=${product_code} ${msi_variables} ${wxs})
add_custom_command(
    OUTPUT ${installer}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${portable} ${staged}
    COMMAND ${CMAKE_COMMAND} -E copy ${icon} ${staged}/
    COMMAND ${make_installer} ${wixl_command} -o ${installer}
    DEPENDS ${portable}.zip ${wxs} ${icon} ${CMAKE_CURRENT_SOURCE_DIR}/make-installer
    WORKING_DIRECTORY ${staged}
    VERBATIM
    COMMENT "Making the installer")
add_custom_target(installer ALL DEPENDS ${installer})
# How it is made, for the test of its identity.
set(VONDREL_INSTALLER_FILES ${staged} CACHE INTERNAL "")
set(VONDREL_MAKE_INSTALLER ${make_installer} ${wixl_command} CACHE INTERNAL "")
