# Installs Scarabine the way a Linux desktop expects it (program, launcher,
# icons, software-centre entry) and packages the same tree as a .deb.

include(GNUInstallDirs)

set(SCARABINE_APP_ID com.orlenda.Scarabine)
set(SCARABINE_EXECUTABLE scarabine)
set(SCARABINE_ICON scarabine)
set(SCARABINE_HOMEPAGE "http://www.orlenda.com/scarabine/")
# The day this version was released; bump it together with the project version.
set(SCARABINE_RELEASE_DATE 2026-12-08)

set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(SCARABINE_DESKTOP_FILE ${packaging_out}/${SCARABINE_APP_ID}.desktop)
set(SCARABINE_METAINFO_FILE ${packaging_out}/${SCARABINE_APP_ID}.metainfo.xml)
configure_file(packaging/${SCARABINE_APP_ID}.desktop.in ${SCARABINE_DESKTOP_FILE} @ONLY)
configure_file(packaging/${SCARABINE_APP_ID}.metainfo.xml.in ${SCARABINE_METAINFO_FILE} @ONLY)

# Qt's standard setup asks for an $ORIGIN run path, meant for Qt libraries shipped
# beside the program; ours come from the system, and Debian wants no run path.
set_target_properties(scarabine PROPERTIES INSTALL_RPATH "")
install(TARGETS scarabine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
# The libraries come from dpkg-shlibdeps. No library check sees the SVG
# plugins Qt loads at run time for the window icon, nor the font: the windows
# are laid out for Verdana, and Liberation Sans stands in for it. It has
# Arial's metrics, not Verdana's; Arial is narrower, so nothing clips.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation")
include(CPack)

add_subdirectory(tests/packaging)
