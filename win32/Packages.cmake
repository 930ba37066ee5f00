# The packages of the Windows edition, made by the 64-bit build: the 32-bit program (which runs
# on every Windows PC) built beside it by its own toolchain in i686/, a Windows Installer
# package of each program for a school's IT, and the .zip for teachers (cpack).
include(ExternalProject)
set(i686_dir ${PROJECT_BINARY_DIR}/i686)
set(program_32bit ${i686_dir}/win32/equilateral-triangle-32bit.exe)
ExternalProject_Add(win32_32bit
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${i686_dir}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/mingw-w64-i686.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DTRIANGLE_WERROR=${TRIANGLE_WERROR}
             -DTRIANGLE_BUILD_TESTS=${TRIANGLE_BUILD_TESTS}
             -DTRIANGLE_BUILD_QT=OFF
             -DTRIANGLE_BUILD_BENCHMARKS=OFF
             -DTRIANGLE_BUILD_WIN32=ON
             -DTRIANGLE_GTEST_FROM_SOURCE=ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${i686_dir} --parallel 2
  BUILD_ALWAYS ON  # its own build knows what changed
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${program_32bit}
  USES_TERMINAL_BUILD ON)
set(TRIANGLE_WIN32_32BIT_BUILD ${i686_dir} PARENT_SCOPE)

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
add_custom_command(
  OUTPUT ${msi_x86}
  COMMAND ${build_msi} x86 ${program_32bit} ${icon} ${TRIANGLE_VERSION_TEXT} ${msi_x86}
  DEPENDS win32_32bit ${program_32bit} ${msi_sources}
  COMMENT "Building the 32-bit Windows Installer package")
add_custom_target(win32_installers ALL DEPENDS ${msi_x64} ${msi_x86})
set(TRIANGLE_WIN32_MSI_X64 ${msi_x64} PARENT_SCOPE)
set(TRIANGLE_WIN32_MSI_X86 ${msi_x86} PARENT_SCOPE)

# The .zip for teachers: both programs, a read-me in Bulgarian and, for the school's IT, the
# installer packages (cpack in the build folder).
install(TARGETS equilateral-triangle RUNTIME DESTINATION .)
install(PROGRAMS ${program_32bit} DESTINATION .)
install(FILES ${msi_x64} ${msi_x86} DESTINATION .)
install(FILES readme/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME equilateral-triangle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
