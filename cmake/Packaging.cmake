# Installing the program as a desktop application, and the .deb a school
# installs with apt.

include(GNUInstallDirs)

set(VELK_APP_ID org.example.velk)

install(TARGETS velk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/ui/desktop/${VELK_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${PROJECT_SOURCE_DIR}/ui/desktop/${VELK_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The menu entry names the icon "velk"; the theme finds it by size.
install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/velk-16.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME velk.png)
install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/velk-32.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME velk.png)
install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/velk.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VELK")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiple-choice test for pupils, in Bulgarian")
set(CPACK_PACKAGE_DESCRIPTION
    "A closed, single-answer multiple-choice test in one fixed-size window. The\n\
question bank is built into the program; every start orders the questions\n\
and their answers anew, and grading shows the score and the worked solutions.")
set(CPACK_PACKAGE_CONTACT "VELK maintainers <velk@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velk.example.org")
# dpkg-shlibdeps finds the libraries the program links; what is loaded at
# run time must be named: libqt6gui6 carries the X11 display plugin and the
# JPEG reader, fonts-liberation2 the serif font that stands in for Times New
# Roman.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, fonts-liberation2")
include(CPack)
