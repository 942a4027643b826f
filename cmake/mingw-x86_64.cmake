# 64-bit Windows programs, from the same sources, shipped beside the 32-bit
# ones and testable on machines that run only 64-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(WINE_DEFAULT_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
