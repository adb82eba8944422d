# Installs Scarabine the way a Linux desktop expects it (program, launcher,
# icons, software-centre entry, manual page, copyright). debian/rules builds
# the .deb from the same rules (make package).

set(SCARABINE_EXECUTABLE scarabine)
set(SCARABINE_ICON scarabine)
# Built by debian/rules: debhelper installs the copyright, the changelog and
# the lintian overrides, and strips into the -dbgsym package.
option(SCARABINE_DEBHELPER "Leave to debhelper what it installs itself" OFF)

# Games have their manual pages in section 6.
set(SCARABINE_MAN_SECTION 6)

# The addresses the program itself opens, from its page data (cmake/pages.cmake),
# so the software-centre entry and the manual page name no page the program does not.
set(SCARABINE_HELP_URL "${SCARABINE_PAGE_URL_Help}")
set(SCARABINE_DONATION_URL "${SCARABINE_PAGE_URL_Donate}")
# "Visit Us Online": the maker's discussion board.
set(SCARABINE_CONTACT_URL "${SCARABINE_PAGE_URL_Home}")

# The copyright notice, taken from LICENSE (debian/copyright, in Debian's
# form, is checked against it by packaging_validate).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n")
  message(FATAL_ERROR "LICENSE has no \"Copyright (c)\" line followed by the licence text")
endif()
set(SCARABINE_COPYRIGHT "${CMAKE_MATCH_1}")

set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(SCARABINE_DESKTOP_FILE ${packaging_out}/${SCARABINE_APP_ID}.desktop)
set(SCARABINE_METAINFO_FILE ${packaging_out}/${SCARABINE_APP_ID}.metainfo.xml)
configure_file(packaging/${SCARABINE_APP_ID}.desktop.in ${SCARABINE_DESKTOP_FILE} @ONLY)
configure_file(packaging/${SCARABINE_APP_ID}.metainfo.xml.in ${SCARABINE_METAINFO_FILE} @ONLY)

# Qt's standard setup asks for an $ORIGIN run path, meant for Qt libraries shipped
# beside the program; ours come from the system, and Debian wants no run path.
set_target_properties(scarabine PROPERTIES INSTALL_RPATH "")
install(TARGETS scarabine RUNTIME DESTINATION ${SCARABINE_INSTALL_BINDIR})
install(TARGETS scarabine_print LIBRARY DESTINATION ${SCARABINE_INSTALL_MODULEDIR})
# `cmake --install --strip`: the program loses the compiler's notes too, as
# with Debian's dh_strip (which does its own stripping, keeping the symbols).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SCARABINE_INSTALL_BINDIR}/${SCARABINE_EXECUTABLE}\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SCARABINE_INSTALL_MODULEDIR}/$<TARGET_FILE_NAME:scarabine_print>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${SCARABINE_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SCARABINE_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Whatever bitmap sizes assets/icon/hicolor holds, read when installing, so a
# new size needs no change here.
set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(DIRECTORY assets/icon/hicolor/ DESTINATION ${icon_theme_dir}
        FILES_MATCHING PATTERN "${SCARABINE_ICON}.png")
install(FILES assets/icon/scarabine.svg DESTINATION ${icon_theme_dir}/scalable/apps
        RENAME ${SCARABINE_ICON}.svg)


# What Debian wants beside the program: the manual page, the copyright and the
# changelog, the last two under the package's name, both compressed the way
# lintian asks (best compression, no time stamp).
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${SCARABINE_EXECUTABLE})
set(man_page ${SCARABINE_EXECUTABLE}.${SCARABINE_MAN_SECTION})
configure_file(packaging/scarabine.${SCARABINE_MAN_SECTION}.in ${packaging_out}/${man_page} @ONLY)
add_custom_command(OUTPUT ${packaging_out}/${man_page}.gz
  COMMAND gzip -9nc ${packaging_out}/${man_page} > ${packaging_out}/${man_page}.gz
  DEPENDS ${packaging_out}/${man_page} VERBATIM)
add_custom_command(OUTPUT ${packaging_out}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/debian/changelog > ${packaging_out}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog VERBATIM)
add_custom_target(scarabine_docs ALL DEPENDS ${packaging_out}/${man_page}.gz ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${SCARABINE_MAN_SECTION})
if(NOT SCARABINE_DEBHELPER)
  install(FILES debian/copyright ${packaging_out}/changelog.gz DESTINATION ${doc_dir})
  install(FILES debian/${SCARABINE_EXECUTABLE}.lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME ${SCARABINE_EXECUTABLE})
endif()

add_subdirectory(tests/packaging)
