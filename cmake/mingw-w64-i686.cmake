# Cross-building for 32-bit Windows with Debian's MinGW-w64, whose POSIX
# thread model gives the standard library its threads and floating-point
# conversions. Used by scripts/build-windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Doubles in SSE2 registers, each result rounded once to a double as on x64
# and every other platform, not in the x87's 80 bits, which round twice and
# move overflow past the point where a double overflows. Every Windows 7
# that has taken its updates since mid-2018 needs SSE2 anyway.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
