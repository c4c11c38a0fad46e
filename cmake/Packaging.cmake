# Installation and the Debian package.
#
# `cmake --install` lays out the freedesktop tree under the prefix:
#   bin/zelk, bin/zelk-cli
#   share/zelk/                 read-only data files, found from bin/ as ../share/zelk
#                               (installed by resources/CMakeLists.txt)
#   share/applications/         the menu entry, named after the application id
#   share/mime/packages/        the ".kvy" file type
#   share/icons/hicolor/        the icons drawn by tools/icons
#   share/metainfo/             AppStream metainfo
#   share/man/man1/             the manual pages, compressed
#   share/doc/zelk/             copyright and changelog
# `cpack -G DEB` packs the same tree; scripts/package.sh drives it.
#
# Menus, the MIME database and the icon cache are refreshed by the triggers of
# desktop-file-utils, shared-mime-info and the icon theme, so the package needs
# no maintainer scripts.

set(ZELK_RELEASE_DATE 2026-12-09) # the date of the release of PROJECT_VERSION
set(ZELK_PACKAGE_MAINTAINER "The Zelk developers <developers@zelk.invalid>"
  CACHE STRING "Maintainer field of the Debian package")

# Directories made by the install get the usual modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(zelk_desktop_dir ${CMAKE_SOURCE_DIR}/resources/desktop)
set(zelk_generated_dir ${CMAKE_BINARY_DIR}/packaging)

foreach(program zelk zelk-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# Desktop integration.
install(FILES ${zelk_desktop_dir}/${ZELK_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${zelk_desktop_dir}/zelk-kvy.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
configure_file(${zelk_desktop_dir}/${ZELK_APP_ID}.metainfo.xml.in
  ${zelk_generated_dir}/${ZELK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${zelk_generated_dir}/${ZELK_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the package's documents, with the version and date filled in
# and compressed the way Debian expects (gzip -9n: no name, no time stamp, so the
# same sources give the same bytes).
find_program(ZELK_GZIP gzip REQUIRED)
execute_process(COMMAND date -u -R -d "${ZELK_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE ZELK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
set(ZELK_MAINTAINER ${ZELK_PACKAGE_MAINTAINER})
set(zelk_compressed_files)
function(zelk_compress_file source name)
  configure_file(${source} ${zelk_generated_dir}/${name} @ONLY)
  add_custom_command(OUTPUT ${zelk_generated_dir}/${name}.gz
    COMMAND ${ZELK_GZIP} -9nkf ${zelk_generated_dir}/${name}
    DEPENDS ${zelk_generated_dir}/${name}
    VERBATIM)
  set(zelk_compressed_files ${zelk_compressed_files} ${zelk_generated_dir}/${name}.gz PARENT_SCOPE)
endfunction()
zelk_compress_file(${CMAKE_SOURCE_DIR}/resources/man/zelk.1.in zelk.1)
zelk_compress_file(${CMAKE_SOURCE_DIR}/resources/man/zelk-cli.1.in zelk-cli.1)
zelk_compress_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in changelog)
add_custom_target(zelk_compressed_docs ALL DEPENDS ${zelk_compressed_files})

install(FILES ${zelk_generated_dir}/zelk.1.gz ${zelk_generated_dir}/zelk-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${zelk_generated_dir}/changelog.gz ${CMAKE_SOURCE_DIR}/resources/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelk)

# The Debian package.
set(CPACK_PACKAGE_NAME zelk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zelk developers")
set(CPACK_PACKAGE_CONTACT ${ZELK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zi Wei Dou Shu workbench: client database and charts")
# CPack puts the summary before this text as the package's synopsis line.
set(CPACK_PACKAGE_DESCRIPTION "Zelk is a desktop workbench for practitioners of Zi Wei Dou Shu, the Chinese
astrology of the purple star. It keeps a database of clients, computes each
client's natal chart and the period charts of ten years, years, months, days
and hours, and draws them as the traditional square of twelve palaces. Charts
are printed with year tables or exported as PNG pictures; client lists move in
and out as CSV and client database (.kvy) files.
.
Every text of the program is in Traditional Chinese. The package also holds
zelk-cli, a command-line tool for calendar conversions, four pillars, charts
and client files in scripts.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZELK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zelk_<version>_<arch>.deb
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from dpkg-shlibdeps; what the programs load
# by name is listed here: the time-zone database for birth times, the faces the
# chart is drawn in (明體, 楷體, a metric twin of Arial, and a CJK face for every
# other text) and Qt's own Traditional Chinese translations for its dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "tzdata, fonts-arphic-uming, fonts-arphic-ukai, fonts-liberation, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
