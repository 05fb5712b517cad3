# The Debian package, made by CPack from this build folder: `cpack -G DEB`, or the `package`
# target. It installs under /usr, with Depends computed from the binary by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quaro)
set(CPACK_PACKAGE_VENDOR "Quaro developers")
set(CPACK_PACKAGE_CONTACT "Quaro developers <developers@quarogame.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze chase with a cowboy kid and four outlaws")
set(CPACK_PACKAGE_DESCRIPTION
  "Steer Quaro, a small cowboy kid, with the arrow keys through a walled maze,\n"
  "pick up all 106 products and walk through the gate of the house in the\n"
  "middle before four wandering outlaws catch you. The mugs in the corners\n"
  "make him super for a while, and signpost arrows turn in the corridors.\n"
  "The ten fastest times are kept with the players' names.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quarogame.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# Debian's layout: games in /usr/games, manual pages compressed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debianLayout.cmake)

set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

include(CPack)
