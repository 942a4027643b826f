# Cross toolchain shared by both architectures: Windows programs built with
# MinGW-w64 (posix threads), run under Wine wherever the build or the tests
# need to execute them. Included by mingw-i686.cmake and mingw-x86_64.cmake
# after they set TOOLCHAIN_PREFIX and WINE_DEFAULT_LOADER.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The Wine loader that starts this architecture's programs; the scripts pass
# the one they chose (scripts/env.sh).
set(WINE_LOADER ${WINE_DEFAULT_LOADER} CACHE FILEPATH "Wine loader for ${CMAKE_SYSTEM_PROCESSOR} programs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER})
