# The Debian package of what `cmake --install` puts in place: run
# `cpack -G DEB` in a build folder. dpkg-shlibdeps (dpkg-dev) works out the
# libraries it depends on; Debian's triggers update the menus and the file
# types when it is installed.
set(VANTREL_MAINTAINER "Vantrel developers" CACHE STRING
    "Maintainer field of the Debian package (\"Name <address>\")")

set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VANTREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "direct sunlight received by the faces of a building")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrel models a scene of planar faces, places it at a site, computes the sun for a date\n"
    "and a time, and shows how much direct sun reaches the faces declared as receivers: per\n"
    "face, over a whole day and over the year. vantrel-cli runs every computation from the\n"
    "command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VANTREL_GUI)
    # Qt's window-system plugins are only recommended by its libraries; without
    # them the program opens no window.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
