# Installation (`cmake --install`) and the Debian package (`make package`): the programs in
# /usr/bin, the copies a user's data folder is filled from in /usr/share/kelvara-vlx (installed by
# assets/), the package's documents, and the package description with its dependencies.
install(TARGETS kelvara kelvara-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(paketdoku ${CMAKE_INSTALL_DATADIR}/doc/kelvara-vlx)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/paket/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/paket
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/assets/debian/changelog > ${CMAKE_BINARY_DIR}/paket/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/assets/debian/changelog)
set(handbuecher "")
foreach(seite kelvara kelvara-cli)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/paket/${seite}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/paket
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/assets/debian/${seite}.1 > ${CMAKE_BINARY_DIR}/paket/${seite}.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/debian/${seite}.1)
  list(APPEND handbuecher ${CMAKE_BINARY_DIR}/paket/${seite}.1.gz)
endforeach()
add_custom_target(paketdoku ALL DEPENDS ${CMAKE_BINARY_DIR}/paket/changelog.gz ${handbuecher})
install(FILES ${handbuecher} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/assets/debian/copyright ${CMAKE_BINARY_DIR}/paket/changelog.gz
        DESTINATION ${paketdoku})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara-vlx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kelvara VLX developers <kelvara-vlx@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "truss design and rigging load calculation for stage riggers")
# CPack puts the summary in front of this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelvara VLX designs aluminium lattice truss cross-sections and computes their
permissible forces, derives truss values from a maker's load table, analyses
a truss span on any number of supports with point loads, hoists and wind,
and keeps the trusses of an event on a floor plan. Every result is to be
checked by a qualified person.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: the help viewer's chmlib, Qt's window
# system plugins, the report font and a font for the window texts (a bare system has none).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libchm1, qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
