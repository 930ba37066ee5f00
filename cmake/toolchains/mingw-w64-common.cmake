# What both Windows toolchains share; each sets TRIANGLE_MINGW_PREFIX and CMAKE_SYSTEM_PROCESSOR
# first. Everything is linked statically, so the programs need no DLL beyond those every
# Windows has.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TRIANGLE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRIANGLE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TRIANGLE_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TRIANGLE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")
# The program ships as one file of at most 1 MB: unused code is dropped, and {fmt} is kept from
# pulling in the C++ locale machinery, which the number text (its own separators) never uses.
set(CMAKE_CXX_FLAGS_INIT
    "-ffunction-sections -fdata-sections -DFMT_STATIC_THOUSANDS_SEPARATOR=0 ${TRIANGLE_MINGW_ARCH_FLAGS}")

# Tests and test discovery run the programs under Wine, in a prefix of the build folder's own.
cmake_path(ABSOLUTE_PATH CMAKE_CURRENT_LIST_DIR NORMALIZE OUTPUT_VARIABLE _triangle_toolchains)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env TRIANGLE_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    ${_triangle_toolchains}/../../tests/win32/wine.sh)
