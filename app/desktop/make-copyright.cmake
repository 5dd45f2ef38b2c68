# Writes the package's machine-readable copyright file from copyright.in,
# with the licences of what is compiled into the program taken from where
# they come with it: the font's notice and licence from its OFL.txt,
# fast_float's from Debian's copyright file for libfast-float-dev.
#   cmake -D TEMPLATE=copyright.in -D OUTPUT=copyright -D HOMEPAGE=url
#         -D FONT_LICENCE=OFL.txt -D FAST_FLOAT_COPYRIGHT=copyright
#         -P make-copyright.cmake
cmake_minimum_required(VERSION 3.25)

# Text as the continuation lines of a field: each line after a space, an
# empty one as " .".
function(field_lines text result)
    string(REGEX REPLACE "^\n+|\n+$" "" text "${text}")
    # Twice, for runs of empty lines, whose matches would overlap.
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n" "\n " text "${text}")
    set(${result} " ${text}" PARENT_SCOPE)
endfunction()

# A file's text without carriage returns, tabs or blanks at line ends,
# which the format does not keep.
function(read_text file result)
    file(READ "${file}" text)
    string(REPLACE "\r" "" text "${text}")
    string(REPLACE "\t" "        " text "${text}")
    string(REGEX REPLACE "[ ]+\n" "\n" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

# OFL.txt: a note on the fonts, the copyright notice, then the licence.
read_text("${FONT_LICENCE}" font)
string(FIND "${font}" "\nCopyright " start)
if(start EQUAL -1)
    message(FATAL_ERROR "${FONT_LICENCE} holds no line that starts with \"Copyright \"")
endif()
math(EXPR start "${start} + 1")
string(SUBSTRING "${font}" ${start} -1 font)
string(FIND "${font}" "\n\n" end)
if(end EQUAL -1)
    message(FATAL_ERROR "${FONT_LICENCE} holds no licence after its copyright notice")
endif()
string(SUBSTRING "${font}" 0 ${end} notice)
string(SUBSTRING "${font}" ${end} -1 licence)
# The field names the copyright already.
string(REGEX REPLACE "^Copyright (© )?" "" notice "${notice}")
string(REPLACE "\n" "\n " font_copyright "${notice}")
field_lines("${licence}" font_licence)

# Debian's file for fast_float, machine-readable too: its paragraph for
# the sources ("Files: *") and the licences that it names, with Apache
# under the format's name for the version that the text points to.
read_text("${FAST_FLOAT_COPYRIGHT}" upstream)
if(NOT upstream MATCHES "^Format: [^\n]*copyright-format")
    message(FATAL_ERROR "${FAST_FLOAT_COPYRIGHT} is not in the machine-readable copyright format")
endif()
string(REGEX REPLACE "(\nLicense:[^\n]*[ ])Apache([ \n])" "\\1Apache-2.0\\2" upstream "\n${upstream}\n")
string(REGEX REPLACE "(\nLicense:[^\n]*[ ])Apache([ \n])" "\\1Apache-2.0\\2" upstream "${upstream}\n")
set(fast_float_files "")
set(fast_float_licences "")
string(REGEX REPLACE "^\n+" "" upstream "${upstream}")
while(NOT upstream STREQUAL "")
    string(FIND "${upstream}" "\n\n" end)
    string(SUBSTRING "${upstream}" 0 ${end} paragraph)
    string(SUBSTRING "${upstream}" ${end} -1 upstream)
    if(paragraph MATCHES "^Files: *\\*\n")
        string(REGEX REPLACE "^Files: *\\*" "Files: fast_float/*" paragraph "${paragraph}")
        string(APPEND fast_float_files "${paragraph}\n"
            "Comment: fast_float's headers, as Debian's libfast-float-dev ships them,\n"
            " compiled into the program.")
    elseif(paragraph MATCHES "^License:")
        string(APPEND fast_float_licences "\n\n${paragraph}")
    endif()
    string(REGEX REPLACE "^\n+" "" upstream "${upstream}")
endwhile()
if(fast_float_files STREQUAL "" OR fast_float_licences STREQUAL "")
    message(FATAL_ERROR "${FAST_FLOAT_COPYRIGHT} has no \"Files: *\" paragraph or no licence")
endif()
string(REGEX REPLACE "^\n+" "" fast_float_licences "${fast_float_licences}")

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
