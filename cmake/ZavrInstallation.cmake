# The installed layout. The program expects its language modules, its help and its settings file beside
# itself, so it lives with them in a folder of its own (lib/zavr); bin/zavr links to it, and a desktop entry
# with its icon makes it a program of the desktop's menu.
#
#   bin/zavr -> ../lib/zavr/zavr        bin/zavr-cli
#   lib/zavr/zavr, zavr.deu, zavr.eng, zavr.plk, hilfe/<deu|eng|plk>/*.html
#   share/applications/zavr.desktop      share/icons/hicolor/scalable/apps/zavr.svg
#   share/mime/packages/zavr.xml         share/icons/hicolor/scalable/mimetypes/application-x-zavr-projekt.svg
#
# The settings file zavr.INI goes beside the program where that folder is writable, otherwise into the
# user's configuration folder.
include(GNUInstallDirs)
set(ZAVR_PROGRAMMORDNER ${CMAKE_INSTALL_LIBDIR}/zavr)

function(zavr_installieren programm)
  install(TARGETS ${programm} RUNTIME DESTINATION ${ZAVR_PROGRAMMORDNER} COMPONENT Programm)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/hilfe DESTINATION ${ZAVR_PROGRAMMORDNER}
          COMPONENT Programm)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zavr.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Programm)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zavr.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Programm)
  # Project files are a type of their own, opened by a double click, with the program's icon.
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zavr-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME zavr.xml COMPONENT Programm)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zavr.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-zavr-projekt.svg COMPONENT Programm)
  # A relative link, so the tree can be moved or packaged as a whole.
  file(RELATIVE_PATH ziel /${CMAKE_INSTALL_BINDIR} /${ZAVR_PROGRAMMORDNER}/${programm})
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ${ziel} \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${programm}\" SYMBOLIC)
    " COMPONENT Programm)
endfunction()
