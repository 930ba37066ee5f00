# Copies the 32-bit program FROM (the mingw32 preset's build) to TO, beside the 64-bit one,
# for the packages; fails, saying how to build it, where there is none.
if(NOT EXISTS "${FROM}")
  message(FATAL_ERROR
    "No 32-bit program at ${FROM}, which the packages hold beside the 64-bit one. Build it "
    "first, from the source folder: cmake --preset mingw32 && cmake --build --preset mingw32 "
    "(or point TRIANGLE_WIN32_32BIT_BUILD at another 32-bit build; empty, the packages hold the "
    "64-bit program alone)")
endif()
file(COPY_FILE "${FROM}" "${TO}" ONLY_IF_DIFFERENT)
