# What `cmake --install` puts under the prefix besides the program and its
# web view module: the buttons' sounds where the program looks for them
# (share/ostra/ beside bin/), the desktop entry, the icons and the AppStream
# metadata, all named by the application id.
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
