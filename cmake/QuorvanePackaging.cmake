# How the program is installed, and the Debian package built from that installation with CPack.
#
# Under the prefix (/usr in the package):
#   libexec/quorvane/quorvane             the program, with its start-up library beside it, where it
#   libexec/quorvane/Proxy.dll            looks for it (the sample one; a real one may replace it)
#   bin/quorvane                          a link to the program, the command the desktop entry runs
#   share/applications/<id>.desktop       the menu entry
#   share/metainfo/<id>.metainfo.xml      the AppStream description for software centres
#   share/icons/hicolor/*/apps/<id>.*     the icon, at the usual sizes and as SVG
#   share/man/man1/quorvane.1.gz          the manual page
#   share/doc/quorvane/                   the copyright note and the changelog
include(GNUInstallDirs)

set(QUORVANE_APP_ID "example.quorvane.Quorvane")
# A directory of its own, out of the linker's search path: the start-up library is the program's alone.
set(QUORVANE_PRIVATE_DIR "${CMAKE_INSTALL_LIBEXECDIR}/quorvane")

install(TARGETS quorvane RUNTIME DESTINATION ${QUORVANE_PRIVATE_DIR})
install(TARGETS quorvane_sample_startup_library LIBRARY DESTINATION ${QUORVANE_PRIVATE_DIR})

# The command is a relative link, so it finds the program wherever the prefix lies; the program
# resolves the link to find its own directory and the start-up library in it.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
file(CREATE_LINK ../${QUORVANE_PRIVATE_DIR}/quorvane ${PROJECT_BINARY_DIR}/install-links/quorvane SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install-links/quorvane DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES data/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES data/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORVANE_APP_ID}.png)
endforeach()
install(FILES data/icons/scalable.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUORVANE_APP_ID}.svg)

# Debian keeps a package's documents compressed, the changelog under its Debian name.
set(QUORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/changelog > ${PROJECT_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/quorvane.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/quorvane.1 > ${PROJECT_BINARY_DIR}/doc/quorvane.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/quorvane.1)
add_custom_target(quorvane_documents ALL
  DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.gz ${PROJECT_BINARY_DIR}/doc/quorvane.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${QUORVANE_DOC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/doc/quorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright DESTINATION ${QUORVANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Hadrunel <${QUORVANE_CONTACT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "YY highlight replay download address lister")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "List the download addresses of a YY highlight replay's video segments.\n\
Paste the address of a YY highlight replay page (精彩回顾) and press the get\n\
button: the tool downloads the replay's HLS playlist, lists the address of\n\
every video segment in it and copies the list for a batch download manager.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.quorvane.example/")
# The libraries the program links are found by dpkg-shlibdeps; what it loads or reads at run time
# cannot be, and is named here: Qt's platform plugins, Qt's Chinese texts and the window's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
