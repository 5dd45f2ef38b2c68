# Fails when the program in BINARY names a Qt library it would load.
file(STRINGS "${BINARY}" qt_libraries REGEX "libQt[0-9]")
if(qt_libraries)
    message(FATAL_ERROR "${BINARY} links Qt: ${qt_libraries}")
endif()
