# The installed tree and the Debian package.
#
#   bin/nestling, bin/nestling-cli
#   share/nestling/data/namedata.db, share/nestling/Help/   (the program folder of an installed tree)
#   share/applications/, share/metainfo/, share/icons/hicolor/, share/man/man1/, share/doc/nestling/
#
# The programs find share/nestling/ from their own folder, so the tree works wherever it is unpacked.
include(GNUInstallDirs)

set(NESTLING_APP_ID org.nestling.Nestling)
set(NESTLING_PROGRAM_DIR ${CMAKE_INSTALL_DATADIR}/nestling)
set(NESTLING_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS nestling-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET nestling)
    install(TARGETS nestling RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The database is a build output; without NESTLING_BUILD_DATABASE an install goes on without it.
if(NESTLING_BUILD_DATABASE)
    set(_namedata_optional "")
else()
    set(_namedata_optional OPTIONAL)
endif()
install(FILES ${CMAKE_BINARY_DIR}/bin/data/namedata.db DESTINATION ${NESTLING_PROGRAM_DIR}/data
        ${_namedata_optional})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Help/ DESTINATION ${NESTLING_PROGRAM_DIR}/Help)

install(FILES ${NESTLING_PACKAGING}/${NESTLING_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NESTLING_PACKAGING}/${NESTLING_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${NESTLING_PACKAGING}/icons/nestling-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME nestling.png)
endforeach()
install(FILES ${NESTLING_PACKAGING}/icons/nestling.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog are installed compressed, as Debian expects (gzip -n: no time stamp).
find_program(NESTLING_GZIP gzip REQUIRED)
set(_compressed "")
foreach(source nestling.1 nestling-cli.1 changelog)
    set(output ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${NESTLING_GZIP} -9n -c ${NESTLING_PACKAGING}/${source} > ${output}
        DEPENDS ${NESTLING_PACKAGING}/${source}
        VERBATIM)
    list(APPEND _compressed ${output})
endforeach()
add_custom_target(nestling_packaging_files ALL DEPENDS ${_compressed})
if(TARGET nestling)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/nestling.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_BINARY_DIR}/packaging/nestling-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${NESTLING_PACKAGING}/copyright ${PROJECT_SOURCE_DIR}/CREDITS ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nestling)

# The Debian package (tools/package.sh). Library dependencies come from the linked libraries
# (dpkg-shlibdeps, which also brings the web engine's helper process); the rest are what the program
# loads or runs without linking it: the GStreamer plugins that play the English names, Qt's Chinese
# translations and a CJK font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nestling)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Nestling developers")
set(CPACK_PACKAGE_CONTACT "The Nestling developers <nestling@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "naming assistant for Chinese baby names")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Nestling proposes Chinese given names for a surname, the child's sex\n"
    "and birth date in seven modes (classic, high-score, super-auspicious,\n"
    "from Tang poems, combinations, nicknames and English names), scores\n"
    "every name by stroke numerology (five grids, three talents, the 81\n"
    "numbers) and opens a report per name. It shows the birth chart of a\n"
    "date and hour, looks up characters and surnames, and carries a library\n"
    "of parenting articles.\n"
    "\n"
    "The package holds the window program nestling and the command-line\n"
    "program nestling-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-good, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "espeak-ng, qt6-wayland")
include(CPack)
