# The Debian package: `cpack -G DEB` in the build folder packs what
# cmake/Installation.cmake installs under /usr. The packaging comes with the
# program itself, so the package is native (no Debian revision).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skribano)
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_CONTACT "Quorvel <info@skribano.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw, highlight and write on a frozen picture of the screen")
set(CPACK_PACKAGE_DESCRIPTION
  "Skribano is a screen-annotation tool with a German user interface. A small\n"
  "tool window stays above all other windows. Its Start button freezes one\n"
  "monitor into a full-screen picture on which the mouse draws: pen,\n"
  "transparent highlighter, eraser, lines, arrows, shapes, check and cross\n"
  "stamps and text. The picture can be saved as PNG, JPEG or BMP, copied to\n"
  "the clipboard, printed or handed to the e-mail program.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://skribano.example.org/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The libraries come from the binary itself (the xcb platform plugin lives in
# libqt6gui6 on Debian 12). What the program starts or loads at run time no
# linker sees: xdg-open and xdg-email, Qt's German texts for its standard
# dialogs, Qt's SVG plugins that draw the program's icon, the fonts it
# draws with, libcups, loaded when a printer's connection is shown, and Qt's
# Wayland platform for Wayland desktops.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "xdg-utils, qt6-translations-l10n, libqt6svg6, fonts-liberation2, fonts-dejavu-core, libcups2, qt6-wayland")

include(CPack)
