# What the suite says about itself, built and installed with the programs:
#   - the user guide docs/guide.md as HTML with its pictures (BUILD/docs/handbok.html, where the
#     programs' help window finds it in the build tree; installed into share/doc/turneringsverktyg)
#   - the manual pages dist/man/*.1 (their version line filled in), compressed
#   - the package's copyright, changelog, AppStream metainfo and lintian overrides.
# The package's maintainer (SUITE_MAINTAINER, cmake/install.cmake) signs its changelog too.

# --- the guide -------------------------------------------------------------------------------------
add_executable(guide_html ${CMAKE_SOURCE_DIR}/dist/guide_html.cpp ${CMAKE_SOURCE_DIR}/ui/detail/guide_anchor.cpp)
target_link_libraries(guide_html PRIVATE Qt6::Gui)
file(GLOB guide_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/bilder/*.png)
set(guide_html_file ${CMAKE_BINARY_DIR}/docs/handbok.html)
add_custom_command(
  OUTPUT ${guide_html_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/docs/bilder
  COMMAND ${CMAKE_COMMAND} -E copy ${guide_pictures} ${CMAKE_BINARY_DIR}/docs/bilder/
  COMMAND guide_html ${CMAKE_SOURCE_DIR}/docs/guide.md ${guide_html_file}
  DEPENDS guide_html ${CMAKE_SOURCE_DIR}/docs/guide.md ${guide_pictures}
  COMMENT "Rendering the user guide")

# --- gzip -9n: compressed files without a time stamp, as Debian wants them; FILE.gz beside FILE ----
set(compressed_files)
function(compressed source)
  add_custom_command(OUTPUT ${source}.gz COMMAND gzip -9nkf ${source} DEPENDS ${source} VERBATIM)
  list(APPEND compressed_files ${source}.gz)
  set(compressed_files ${compressed_files} PARENT_SCOPE)
endfunction()

set(program_pages lott rank ratingbridge lagturnering resultfix turneringsverktyg-start)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
foreach(p ${program_pages})
  configure_file(${CMAKE_SOURCE_DIR}/dist/man/${p}.1 ${CMAKE_BINARY_DIR}/man/${p}.1 @ONLY)
  compressed(${CMAKE_BINARY_DIR}/man/${p}.1)
  install(FILES ${CMAKE_BINARY_DIR}/man/${p}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.Debian.in ${CMAKE_BINARY_DIR}/dist/changelog.Debian @ONLY)
compressed(${CMAKE_BINARY_DIR}/dist/changelog.Debian)
configure_file(${CMAKE_SOURCE_DIR}/dist/copyright.in ${CMAKE_BINARY_DIR}/dist/copyright @ONLY)

add_custom_target(handbok ALL DEPENDS ${guide_html_file} ${compressed_files})
add_dependencies(programs handbok)

install(FILES ${guide_html_file} ${CMAKE_BINARY_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${guide_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/bilder)
foreach(p lott rank)
  configure_file(${CMAKE_SOURCE_DIR}/dist/${p}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/dist/org.example.turneringsverktyg.${p}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/dist/org.example.turneringsverktyg.${p}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME turneringsverktyg)
