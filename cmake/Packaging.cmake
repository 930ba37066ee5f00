# A Debian package of the installed program: cpack in a build folder writes the .deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME equilateral-triangle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ravnostranen developers <developers@ravnostranen.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Equilateral triangle calculator: every measure from one of them (in Bulgarian)")
set(CPACK_PACKAGE_DESCRIPTION
    "A one-window desktop calculator, in Bulgarian. Choose which of eight
measures of an equilateral triangle you know (side, perimeter, area,
median, height, angle bisector, circumradius or inradius), type its
value, and the other seven appear with four decimals.")
set(CPACK_STRIP_FILES ON)  # Debian ships programs without their debugging symbols
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The xcb platform plugin is a package of its own; Liberation Serif stands in for Times New Roman.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2")
# Qt's own texts (message box buttons, context menus) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
