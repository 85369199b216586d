# Installation of the suite's programs and the Debian package built from it.
#
#   install_program(TARGET)
#
# installs the program TARGET into bin/. When dist/TARGET.desktop exists, the program also gets
# that menu entry (share/applications) and its icon dist/icons/TARGET.svg (the hicolor theme).
# A program joins with one line beside its add_executable, e.g. install_program(rank); the
# package picks it up without further changes.
#
# A menu entry starts its program through bin/turneringsverktyg-start, which gives the program
# its folder under the home folder, created on first start (the entry's Exec line names it).
include(GNUInstallDirs)

# Everything the package holds, and nothing else (no tests, no benchmarks):
# cmake --build DIR --target programs.
add_custom_target(programs)

function(install_program target)
  add_dependencies(programs ${target})
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(entry ${CMAKE_SOURCE_DIR}/dist/${target}.desktop)
  if(EXISTS ${entry})
    install(FILES ${entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/${target}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  endif()
endfunction()

install(PROGRAMS ${CMAKE_SOURCE_DIR}/dist/turneringsverktyg-start DESTINATION ${CMAKE_INSTALL_BINDIR})

# --- the Debian package: cpack in a build directory writes turneringsverktyg_VERSION_ARCH.deb ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME turneringsverktyg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schackturneringar och klubbens rankinglista")
# The long description, one line per line of the package's control file (at most 80 columns).
set(CPACK_PACKAGE_DESCRIPTION "Program med vilka en schackklubb lottar och rapporterar sina turneringar
(lott) och för sin rankinglista (rank), och tre verktyg för turneringarnas
filer: ratingbridge för en turnering till rankinglistan, lagturnering gör en
lagställning och resultfix rättar ett sparat parti. Handboken (svenska)
installeras som HTML och öppnas från programmen med F1.")
# The maintainer is named once, here; the package's changelog and copyright file use it too.
set(SUITE_MAINTAINER "Turneringsverktyg <turneringsverktyg@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SUITE_MAINTAINER}")
# Not "games": that section is for games, installed into /usr/games; the suite is tools for a
# club's administration (its menu entries still stand with the board games).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time is named
# here: the Swedish translation of Qt's own dialogs. Liberation Sans has Arial's metrics, the
# font the reports are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation")
include(CPack)
