# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads flavour).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TRIANGLE_MINGW_PREFIX x86_64-w64-mingw32)
set(TRIANGLE_MINGW_ARCH_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
