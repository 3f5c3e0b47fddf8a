# Installation into the system and the Debian package (`make package`).
include(GNUInstallDirs)
# Installing (and so packaging, and the package test) takes what is built;
# it does not build everything first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(DORVANE_APP_ID org.dorvane.Dorvane)
set(PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS dorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS dorvane-feed dorvane-net LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/dorvane)
install(FILES ${PACKAGING_DIR}/${DORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/icons/${DORVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PACKAGING_DIR}/icons/${DORVANE_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
configure_file(${PACKAGING_DIR}/${DORVANE_APP_ID}.metainfo.xml.in
               ${PACKAGING_OUT}/${DORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PACKAGING_OUT}/${DORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvane)

# Debian wants the man page and the changelog compressed, without a time
# stamp in the gzip header so that builds are reproducible.
set(GZIPPED_DOCS)
foreach(doc dorvane.1 changelog)
  configure_file(${PACKAGING_DIR}/${doc}.in ${PACKAGING_OUT}/${doc} @ONLY)
  add_custom_command(OUTPUT ${PACKAGING_OUT}/${doc}.gz
    COMMAND gzip -9nc ${doc} > ${doc}.gz
    DEPENDS ${PACKAGING_OUT}/${doc}
    WORKING_DIRECTORY ${PACKAGING_OUT} VERBATIM)
  list(APPEND GZIPPED_DOCS ${PACKAGING_OUT}/${doc}.gz)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${GZIPPED_DOCS})
install(FILES ${PACKAGING_OUT}/dorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PACKAGING_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Dorvane developers <dorvane@dorvane.org>")
# The summary, then the long description as Debian shows it (CPack indents it).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Taekwondo match scoreboard and scoring console
Dorvane drives a frameless full-screen scoreboard for Taekwondo sparring on a
projector or a second monitor: both scores, penalties, round, count-down
clock, names, division and the lights of up to four corner judges. The
operator scores with function keys, on-screen buttons and a popup menu; with
electronic scoring on, corner judges score with PC gamepads.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.dorvane.org/)
# dpkg-shlibdeps finds the libraries the program links; Qt loads its
# platform plugin (X11) at run time, so that one is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2_mixer and libarchive are loaded at run time, so the library scan cannot
# see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsdl2-mixer-2.0-0, libarchive13")
# Wayland sessions, Qt's own texts (standard buttons) in the user's language,
# and a bold Hangul face for Korean names on the board.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-nanum")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
