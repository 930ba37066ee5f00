# Cross-compiles for 32-bit Windows, which runs on every Windows PC, with Debian's mingw-w64
# (POSIX threads flavour). Arithmetic in SSE2 registers, as on 64-bit: the x87 unit's wider
# intermediate results would round some measures differently from the other editions.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRIANGLE_MINGW_PREFIX i686-w64-mingw32)
set(TRIANGLE_MINGW_ARCH_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
