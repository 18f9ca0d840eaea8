# Install rules and the Debian package (cpack -G DEB, see scripts/package): the program, the
# launcher of its menu entry, the menu entry, the icon in every size and the metadata.
include(GNUInstallDirs)

# Installing needs only what is installed, not tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS morvaren-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/paket/morvaren-tool-starten DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/paket/org.example.morvaren_tool.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/paket/org.example.morvaren_tool.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(n 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/symbol/morvaren-tool-${n}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps RENAME morvaren-tool.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvaren-tool)
# Debian accepts the letter in the version as it stands: 1.13a-1.
set(CPACK_PACKAGE_VERSION 1.13a)
set(CPACK_PACKAGE_VENDOR Hadrik)
set(CPACK_PACKAGE_CONTACT "Hadrik <hadrik@morvaren-tool.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Begleiter für das Browser-Rollenspiel Morvaren")
set(CPACK_PACKAGE_DESCRIPTION
    "Bausatzrechner, Kampfberichtauswerter, Routenplaner und Charakter-Planer für Morvaren.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvaren-tool.example.org/index.html")
# The libraries come from the binary; Qt loads its window system plugin and the program
# libcurl at run time, so those are named here, and SQLite for the combat archive. German standard dialogs and HTTPS downloads
# are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcurl4, libsqlite3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, ca-certificates")
include(CPack)
