# cmake --install: the program directory (programs, forms.db, help) under
# lib/tornelis, the commands in bin, the desktop entry, the icons, the
# AppStream file and the man page. CPack makes a .deb of the same.
include(GNUInstallDirs)
set(TORNELIS_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tornelis)
set(TORNELIS_ID org.quillon.Tornelis)

install(CODE "
  if(NOT EXISTS \"${TORNELIS_BIN_DIR}/forms.db\")
    message(FATAL_ERROR \"${TORNELIS_BIN_DIR}/forms.db is missing: scripts/setup.sh builds it\")
  endif()")
install(TARGETS tornelis tornelis-cli RUNTIME DESTINATION ${TORNELIS_INSTALL_DIR})
install(FILES ${TORNELIS_BIN_DIR}/forms.db DESTINATION ${TORNELIS_INSTALL_DIR})
install(FILES ${TORNELIS_BIN_DIR}/Tornelis.chm DESTINATION ${TORNELIS_INSTALL_DIR} OPTIONAL)
# The commands are links into the program directory, where each program
# finds forms.db beside itself.
foreach(program tornelis tornelis-cli)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${TORNELIS_INSTALL_DIR}/${program}
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
endforeach()

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${TORNELIS_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${TORNELIS_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages and the changelog compressed as Debian wants them; the
# copyright file in Debian's machine-readable format.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tornelis)
foreach(source tornelis.1 tornelis-cli.1 changelog)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${packaging}/${source} > ${compressed}
    DEPENDS ${packaging}/${source})
  list(APPEND compressed_files ${compressed})
endforeach()
add_custom_target(tornelis_packaging ALL DEPENDS ${compressed_files})
install(FILES ${CMAKE_BINARY_DIR}/packaging/tornelis.1.gz ${CMAKE_BINARY_DIR}/packaging/tornelis-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${doc_dir})
install(FILES ${packaging}/copyright DESTINATION ${doc_dir})

# The icon: the SVG, and PNGs of the theme's fixed sizes drawn from it.
set(icon ${PROJECT_SOURCE_DIR}/src/resources/icons/tornelis.svg)
install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TORNELIS_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/${TORNELIS_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
    COMMAND render-icon ${icon} ${size} ${png}
    DEPENDS render-icon ${icon})
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tornelis_icons ALL DEPENDS ${icon_pngs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tornelis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tornelis developers <tornelis@quillon.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian word morphology: declension and conjugation tables")
set(CPACK_PACKAGE_DESCRIPTION "Tornelis finds every lemma of a Russian word and shows all its forms\nin a declension or conjugation table, with stress marks and syllables.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Beside the libraries dpkg-shlibdeps finds: Qt's platform plugins and
# Russian texts, the window's font, and what opens the help.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, fonts-liberation2, xdg-utils, xchm")
include(CPack)
