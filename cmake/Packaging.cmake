# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` lays out.
set(CPACK_PACKAGE_NAME quarn)
set(CPACK_PACKAGE_VENDOR "Quarn maintainers")
set(CPACK_PACKAGE_CONTACT "Quarn maintainers <maintainers@users.noreply.c-seed-0287a2d2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for tile-based game levels")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarn edits game levels of 1024 x 1024 tiles stored in .lvl files, with pencil, line, shape and\n\
fill tools, a movable selection with copy and paste between levels, mirror, flip and tile replace,\n\
and ten steps of undo per level. quarn-lvl checks, converts and renders levels from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quarn)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland sessions need its platform plugin; X11 and the SVG icons come with the linked libraries.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
