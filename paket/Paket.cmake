# Install rules and the Debian package (cpack -G DEB, see scripts/package): the program, the
# launcher of its menu entry, morvaren-cli, the menu entry, the icon in every size, the
# metadata, the manual pages, the bash completion, copyright and changelog.
include(GNUInstallDirs)

# Installing needs only what is installed, not tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# Folders as Debian wants them, whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The version is the program's own ("Programmversion"); its release date dates the manual
# pages and the changelog, so that the package is the same whenever it is built.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/base/Optionen.h mvt_versionszeile REGEX "Programmversion = ")
string(REGEX MATCH "\"([^\"]+)\"" mvt_treffer "${mvt_versionszeile}")
set(MVT_VERSION ${CMAKE_MATCH_1})
set(MVT_VERSIONSDATUM 2018-02-20)
set(MVT_KONTAKT "Hadrik <hadrik@morvaren-tool.example.org>")
set(MVT_PAKETREVISION 1)
set(MVT_PAKETVERSION ${MVT_VERSION}-${MVT_PAKETREVISION})
execute_process(COMMAND env LC_ALL=C TZ=UTC0 date -R -d "${MVT_VERSIONSDATUM} 15:30"
                OUTPUT_VARIABLE MVT_CHANGELOG_DATUM OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# Manual pages and the completion from their templates in paket/handbuch; the section on the
# subcommands and the completion's word lists come from morvaren-cli's help table.
add_executable(mvt-handbuch ${CMAKE_SOURCE_DIR}/paket/handbuch/HandbuchErzeugen.cpp)
target_link_libraries(mvt-handbuch PRIVATE mvt_cli_hilfe)
set(mvt_dok ${CMAKE_BINARY_DIR}/paket)
set(mvt_dokumente)
function(mvt_erzeugen art vorlage ausgabe)
  add_custom_command(OUTPUT ${ausgabe}
    COMMAND mvt-handbuch ${art} ${CMAKE_SOURCE_DIR}/paket/handbuch/${vorlage} ${ausgabe} ${MVT_VERSION}
            ${MVT_VERSIONSDATUM}
    DEPENDS mvt-handbuch ${CMAKE_SOURCE_DIR}/paket/handbuch/${vorlage} VERBATIM)
endfunction()
# gzip -9n: the strongest compression and no time stamp, as Debian asks.
function(mvt_packen datei)
  add_custom_command(OUTPUT ${datei}.gz COMMAND gzip -9nkf ${datei} DEPENDS ${datei} VERBATIM)
endfunction()
foreach(seite morvaren-tool morvaren-tool-starten morvaren-cli)
  mvt_erzeugen(roff ${seite}.1.in ${mvt_dok}/${seite}.1)
  mvt_packen(${mvt_dok}/${seite}.1)
  list(APPEND mvt_dokumente ${mvt_dok}/${seite}.1.gz)
endforeach()
mvt_erzeugen(bash morvaren-cli.bash.in ${mvt_dok}/morvaren-cli.bash)
configure_file(${CMAKE_SOURCE_DIR}/paket/changelog.Debian.in ${mvt_dok}/changelog.Debian @ONLY)
mvt_packen(${mvt_dok}/changelog.Debian)
add_custom_target(paket_dokumente ALL DEPENDS ${mvt_dokumente} ${mvt_dok}/morvaren-cli.bash
                                              ${mvt_dok}/changelog.Debian.gz)

install(TARGETS morvaren-tool morvaren-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${mvt_dokumente} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${mvt_dok}/morvaren-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME morvaren-cli)
install(FILES ${CMAKE_SOURCE_DIR}/paket/copyright ${mvt_dok}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvaren-tool)
install(FILES ${CMAKE_SOURCE_DIR}/paket/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME morvaren-tool)
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
set(CPACK_PACKAGE_VERSION ${MVT_VERSION})
set(CPACK_PACKAGE_VENDOR Hadrik)
set(CPACK_PACKAGE_CONTACT "Hadrik <hadrik@morvaren-tool.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Begleiter für das Browser-Rollenspiel Morvaren")
# Lines of the description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Bausatzrechner, Kampfberichtauswerter, Routenplaner und Charakter-Planer
für Morvaren, mit der Befehlszeile morvaren-cli für Skripte (JSON).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${MVT_PAKETREVISION})
# The package holds no game but a companion program for one: the section of utilities.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvaren-tool.example.org/index.html")
# The libraries come from the binary; Qt loads its window system plugin and the program
# libcurl at run time, so those are named here, and SQLite for the combat archive. German standard dialogs and HTTPS downloads
# are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcurl4, libsqlite3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, ca-certificates")
include(CPack)
