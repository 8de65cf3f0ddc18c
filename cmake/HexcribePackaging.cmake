# What `cmake --install` puts where, beyond the programs' own folders: hexcribe-cli, and on Linux
# the manual pages, the software-centre data and the shell completion. scripts/package.sh builds
# the release packages from this install tree.
include(GNUInstallDirs)

# The date of this version's release: manual pages, AppStream release entry, Debian changelog.
set(HEXCRIBE_RELEASE_DATE 2026-12-08)
set(HEXCRIBE_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

install(TARGETS hexcribe-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
if(WIN32)
  if(TARGET hexcribe_win32)
    install(TARGETS hexcribe_win32 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  endif()
  return()
endif()

# Manual pages carry the version and date, then are compressed without a time stamp (-n) so
# that two builds give the same bytes.
set(_hexcribe_man_pages "")
foreach(page hexcribe hexcribe-cli)
  set(_page "${PROJECT_BINARY_DIR}/packaging/man/${page}.1")
  configure_file("${HEXCRIBE_PACKAGING_DIR}/man/${page}.1.in" "${_page}" @ONLY)
  add_custom_command(OUTPUT "${_page}.gz"
    COMMAND sh -c "gzip -n -9 -c \"$1\" > \"$2\"" sh "${_page}" "${_page}.gz"
    DEPENDS "${_page}"
    COMMENT "Compressing manual page ${page}.1"
    VERBATIM)
  list(APPEND _hexcribe_man_pages "${_page}.gz")
endforeach()
add_custom_target(hexcribe_man_pages ALL DEPENDS ${_hexcribe_man_pages})
install(FILES ${_hexcribe_man_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The software-centre data carries the translations of its texts from the PO files (msgfmt --xml,
# with the AppStream package's rules for what in it is text).
set(_hexcribe_metainfo "${PROJECT_BINARY_DIR}/packaging/org.hexcribe.Hexcribe.metainfo.xml")
configure_file("${HEXCRIBE_PACKAGING_DIR}/linux/hexcribe.metainfo.xml.in" "${_hexcribe_metainfo}.in" @ONLY)
find_program(HEXCRIBE_MSGFMT msgfmt REQUIRED)
add_custom_command(OUTPUT "${_hexcribe_metainfo}"
  COMMAND "${HEXCRIBE_MSGFMT}" --xml "--template=${_hexcribe_metainfo}.in" -d "${HEXCRIBE_PO_DIR}"
          -o "${_hexcribe_metainfo}"
  DEPENDS "${_hexcribe_metainfo}.in" "${HEXCRIBE_PO_DIR}/LINGUAS" ${HEXCRIBE_PO_FILES}
  COMMENT "Translating the AppStream metainfo"
  VERBATIM)
add_custom_target(hexcribe_metainfo ALL DEPENDS "${_hexcribe_metainfo}")
install(FILES "${_hexcribe_metainfo}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

install(FILES "${HEXCRIBE_PACKAGING_DIR}/linux/hexcribe-cli.bash-completion"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions" RENAME hexcribe-cli)
