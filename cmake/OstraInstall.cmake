# What `cmake --install` puts under the prefix besides the program and its
# modules (web view, sound): the buttons' sounds where the program looks for them
# (share/ostra/ beside bin/), the desktop entry, the icons and the AppStream
# metadata, all named by the application id, the manual page, the copyright
# file and the changelog.
set(ostra_resources ${CMAKE_SOURCE_DIR}/resources)

install(FILES ${ostra_resources}/over.wav ${ostra_resources}/click.wav
        DESTINATION share/ostra/resources)

foreach(file desktop metainfo.xml)
    configure_file(${ostra_resources}/desktop/ostra.${file}.in
                   ${CMAKE_BINARY_DIR}/${OSTRA_APP_ID}.${file} @ONLY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/${OSTRA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${OSTRA_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# One drawing (scripts/make-icon.py) in every size of the hicolor theme.
install(FILES ${ostra_resources}/icons/ostra.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${OSTRA_APP_ID}.svg)
foreach(px 16 24 32 48 64 128 256)
    install(FILES ${ostra_resources}/icons/ostra-${px}.png
            DESTINATION share/icons/hicolor/${px}x${px}/apps RENAME ${OSTRA_APP_ID}.png)
endforeach()

# The manual page and the changelog compressed as Debian wants them: gzip -9
# without a name or time stamp, so that a build gives the same bytes.
set(ostra_gzipped)
foreach(file man/ostra.1 doc/changelog)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}.gz
                       COMMAND sh -c "gzip -9nc \"$0\" > \"$1\""
                               ${ostra_resources}/${file} ${CMAKE_BINARY_DIR}/${name}.gz
                       DEPENDS ${ostra_resources}/${file} VERBATIM)
    list(APPEND ostra_gzipped ${CMAKE_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(ostra_gzipped_docs ALL DEPENDS ${ostra_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/ostra.1.gz DESTINATION share/man/man1)
install(FILES ${ostra_resources}/doc/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/ostra)
