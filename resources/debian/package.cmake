# `make package`: a Debian package pacelog_<version>_<arch>.deb of what `cmake --install`
# puts under /usr, with the documentation Debian asks of every package.

# The changelog and the manual page go in compressed, without a time stamp in the gzip header.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/pacelog.1 ${CMAKE_BINARY_DIR}/debian/pacelog.1 @ONLY)
foreach(doc changelog pacelog.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/${doc}.gz
        COMMAND gzip -9nfk ${CMAKE_BINARY_DIR}/debian/${doc}
        DEPENDS ${CMAKE_BINARY_DIR}/debian/${doc}
        VERBATIM)
endforeach()
add_custom_target(pacelog_docs ALL
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz ${CMAKE_BINARY_DIR}/debian/pacelog.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/pacelog.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pacelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pacelog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Pacelog developers <${PACELOG_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for treadmill workouts")
set(CPACK_PACKAGE_DESCRIPTION
    "Pacelog records one entry per treadmill session (date, calories, fat calories,
distance, laps), shows life-, year- and month-to-date totals and prints them,
and follows the distance run around a virtual loop of the United States.
Everything stays on the computer in one SQLite store.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PACELOG_WEB_URL}")
# The libraries the program links come from dpkg-shlibdeps; what Qt loads at run time (the
# QML modules, the SQLite driver, the platform and SVG plugins) and the mail hand-off are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, \
qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, \
qml6-module-qtquick-layouts, qml6-module-qtquick-window, qml6-module-qtquick-dialogs, \
qml6-module-qtquick-shapes, qml6-module-qt-labs-folderlistmodel, libqt6sql6-sqlite, \
libqt6svg6, qt6-qpa-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)
