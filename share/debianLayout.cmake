# Run by CPack on the staged install before it makes the Debian package: Debian keeps games in
# /usr/games and manual pages compressed (without a time stamp, so that every build makes the
# same bytes). A plain `cmake --install` keeps bin/ and the plain page.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/quaro ${usr}/games/quaro)
file(GLOB leftInBin ${usr}/bin/*)
if(NOT leftInBin)
  file(REMOVE_RECURSE ${usr}/bin)
endif()
execute_process(COMMAND gzip -9nf ${usr}/share/man/man6/quaro.6 COMMAND_ERROR_IS_FATAL ANY)
