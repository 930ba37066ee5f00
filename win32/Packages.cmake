# The packages of the Windows edition, made by the 64-bit build: a Windows Installer package
# of each program for a school's IT, and the .zip for teachers (cpack). The 32-bit program
# (which runs on every Windows PC) comes from the mingw32 preset's build, built first.
set(TRIANGLE_WIN32_32BIT_BUILD ${PROJECT_SOURCE_DIR}/build/mingw32 CACHE PATH
    "The 32-bit Windows build (the mingw32 preset's) whose program the packages hold; empty: none")
if(TRIANGLE_WIN32_32BIT_BUILD)
  cmake_path(ABSOLUTE_PATH TRIANGLE_WIN32_32BIT_BUILD BASE_DIRECTORY ${PROJECT_SOURCE_DIR}
             NORMALIZE OUTPUT_VARIABLE build_32bit)
  # Copied beside the 64-bit program at every build (a file unchanged is left alone), so the
  # packages follow each new build of it; where there is none, the build says how to make it.
  set(program_32bit ${CMAKE_CURRENT_BINARY_DIR}/equilateral-triangle-32bit.exe)
  add_custom_target(win32_32bit_program ALL
    COMMAND ${CMAKE_COMMAND} -DFROM=${build_32bit}/win32/equilateral-triangle-32bit.exe
            -DTO=${program_32bit} -P ${CMAKE_CURRENT_SOURCE_DIR}/copy_32bit_program.cmake
    BYPRODUCTS ${program_32bit}
    COMMENT "Taking the 32-bit program from ${build_32bit}")
  set(TRIANGLE_WIN32_32BIT_BUILD ${build_32bit} PARENT_SCOPE)
  set(TRIANGLE_WIN32_32BIT_PROGRAM ${program_32bit} PARENT_SCOPE)
else()
  message(WARNING "TRIANGLE_WIN32_32BIT_BUILD is empty: the packages hold the 64-bit program alone")
endif()

find_program(TRIANGLE_WIXL wixl)
find_program(TRIANGLE_MSIBUILD msibuild)
if(NOT TRIANGLE_WIXL OR NOT TRIANGLE_MSIBUILD)
  message(FATAL_ERROR "The Windows Installer packages need wixl and msitools: "
                      "scripts/install-deps.sh test installs them")
endif()
set(msi_x64 ${PROJECT_BINARY_DIR}/equilateral-triangle-${PROJECT_VERSION}-windows-x64.msi)
set(msi_x86 ${PROJECT_BINARY_DIR}/equilateral-triangle-${PROJECT_VERSION}-windows-x86.msi)
set(build_msi ${CMAKE_CURRENT_SOURCE_DIR}/installer/build_msi.sh)
set(msi_sources ${build_msi} ${CMAKE_CURRENT_SOURCE_DIR}/installer/equilateral-triangle.wxs.in
                ${icon})
add_custom_command(
  OUTPUT ${msi_x64}
  COMMAND ${build_msi} x64 $<TARGET_FILE:equilateral-triangle> ${icon} ${TRIANGLE_VERSION_TEXT}
          ${msi_x64}
  DEPENDS equilateral-triangle ${msi_sources}
  COMMENT "Building the 64-bit Windows Installer package")
set(msis ${msi_x64})
if(program_32bit)
  add_custom_command(
    OUTPUT ${msi_x86}
    COMMAND ${build_msi} x86 ${program_32bit} ${icon} ${TRIANGLE_VERSION_TEXT} ${msi_x86}
    DEPENDS win32_32bit_program ${program_32bit} ${msi_sources}
    COMMENT "Building the 32-bit Windows Installer package")
  list(APPEND msis ${msi_x86})
  set(TRIANGLE_WIN32_MSI_X86 ${msi_x86} PARENT_SCOPE)
endif()
add_custom_target(win32_installers ALL DEPENDS ${msis})
set(TRIANGLE_WIN32_MSI_X64 ${msi_x64} PARENT_SCOPE)

# The .zip for teachers: both programs, a read-me in Bulgarian and, for the school's IT, the
# installer packages (cpack in the build folder).
install(TARGETS equilateral-triangle RUNTIME DESTINATION .)
if(program_32bit)
  install(PROGRAMS ${program_32bit} DESTINATION .)
endif()
install(FILES ${msis} DESTINATION .)
install(FILES readme/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME equilateral-triangle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
