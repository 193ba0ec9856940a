# cmake --install: the programs into bin/, what they ship into share/tabrel/, and the desktop
# entry with its icon. An installed program finds share/tabrel/ from its own folder, so the
# copy may be moved to another prefix.
include(GNUInstallDirs)

set(TABREL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/tabrel)
file(RELATIVE_PATH TABREL_RESOURCES_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/tabrel)
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/app/program_folders.cpp
    TARGET_DIRECTORY tabrel_app
    PROPERTIES COMPILE_DEFINITIONS TABREL_RESOURCES_FROM_BIN="${TABREL_RESOURCES_FROM_BIN}")

install(TARGETS tabrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TABREL_CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET tabrel)
    install(TARGETS tabrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/desktop/tabrel.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/desktop/tabrel.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/templates/ DESTINATION ${TABREL_SHARE_DIR}/templates
        FILES_MATCHING PATTERN "*.wzr")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/lang/ DESTINATION ${TABREL_SHARE_DIR}/lang
        FILES_MATCHING PATTERN "*.lng")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/guide/ DESTINATION ${TABREL_SHARE_DIR}/guide
        FILES_MATCHING PATTERN "*.html" PATTERN "*.png")
