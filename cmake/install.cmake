# Installs Scarabine the way a Linux desktop expects it (program, launcher,
# icons, software-centre entry, manual page, copyright) and packages the same
# tree as a .deb.

set(SCARABINE_EXECUTABLE scarabine)
set(SCARABINE_ICON scarabine)
# The day this version was released; bump it together with the project version.
set(SCARABINE_RELEASE_DATE 2026-12-08)

# Games have their manual pages in section 6.
set(SCARABINE_MAN_SECTION 6)

# The addresses the program itself opens, from its page data (cmake/pages.cmake),
# so the software-centre entry and the manual page name no page the program does not.
set(SCARABINE_HELP_URL "${SCARABINE_PAGE_URL_Help}")
set(SCARABINE_DONATION_URL "${SCARABINE_PAGE_URL_Donate}")
# "Visit Us Online": the maker's discussion board.
set(SCARABINE_CONTACT_URL "${SCARABINE_PAGE_URL_Home}")

# The copyright notice and licence text, taken from LICENSE: written once.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE has no \"Copyright (c)\" line followed by the licence text")
endif()
set(SCARABINE_COPYRIGHT "${CMAKE_MATCH_1}")
# Debian's copyright format: the text indented by one space, "." for an empty line.
string(REPLACE "\n\n" "\n.\n" text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " text "${text}")
set(SCARABINE_LICENSE_TEXT " ${text}")

set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(SCARABINE_DESKTOP_FILE ${packaging_out}/${SCARABINE_APP_ID}.desktop)
set(SCARABINE_METAINFO_FILE ${packaging_out}/${SCARABINE_APP_ID}.metainfo.xml)
configure_file(packaging/${SCARABINE_APP_ID}.desktop.in ${SCARABINE_DESKTOP_FILE} @ONLY)
configure_file(packaging/${SCARABINE_APP_ID}.metainfo.xml.in ${SCARABINE_METAINFO_FILE} @ONLY)
configure_file(packaging/copyright.in ${packaging_out}/copyright @ONLY)

# Qt's standard setup asks for an $ORIGIN run path, meant for Qt libraries shipped
# beside the program; ours come from the system, and Debian wants no run path.
set_target_properties(scarabine PROPERTIES INSTALL_RPATH "")
install(TARGETS scarabine RUNTIME DESTINATION ${SCARABINE_INSTALL_BINDIR})
install(TARGETS scarabine_print LIBRARY DESTINATION ${SCARABINE_INSTALL_MODULEDIR})
# A stripped program loses the compiler's notes too, as Debian's dh_strip does it.
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

# make package: one .deb, named and versioned from the project.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SCARABINE_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR "Orlenda")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Scarabine tells you your Egyptian astrology sign and whether it suits your"
  "partner's. Type both names, pick both birth dates and read the three-tab"
  "report, which can be saved as a rich-text file and printed.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${SCARABINE_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orlenda <scarabine@orlenda.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries (Qt's SVG library among them, which also brings the SVG
# plugins Qt loads for the icons) come from dpkg-shlibdeps. No library check
# sees the fonts: the windows are laid out for Verdana, and Liberation Sans
# stands in for it. It has Arial's metrics, not Verdana's; Arial is narrower,
# so nothing clips. DejaVu Sans draws what Liberation Sans lacks (combining
# marks, most scripts).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
include(CPack)

# What Debian wants beside the program: the manual page, the copyright and the
# changelog, the last two under the package's name, both compressed the way
# lintian asks (best compression, no time stamp).
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
set(man_page ${SCARABINE_EXECUTABLE}.${SCARABINE_MAN_SECTION})
configure_file(packaging/scarabine.${SCARABINE_MAN_SECTION}.in ${packaging_out}/${man_page} @ONLY)
execute_process(COMMAND date -u -R -d "${SCARABINE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE SCARABINE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(packaging/changelog.in ${packaging_out}/changelog @ONLY)
foreach(file IN ITEMS ${man_page} changelog)
  add_custom_command(OUTPUT ${packaging_out}/${file}.gz
    COMMAND gzip -9nc ${packaging_out}/${file} > ${packaging_out}/${file}.gz
    DEPENDS ${packaging_out}/${file} VERBATIM)
endforeach()
add_custom_target(scarabine_docs ALL DEPENDS ${packaging_out}/${man_page}.gz ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${SCARABINE_MAN_SECTION})
install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz DESTINATION ${doc_dir})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})

add_subdirectory(tests/packaging)
