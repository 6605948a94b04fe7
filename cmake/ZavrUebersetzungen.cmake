# The translation catalogues: every user-visible text of the program is a German source text, marked where
# it is written (tr, QT_TRANSLATE_NOOP, Umgebung::translate). The catalogues under resources/uebersetzungen
# are checked in; `cmake --build <dir> --target zavr_lupdate` brings them up to date with the sources.
# Each compiled catalogue becomes a language module beside the program: zavr.deu, zavr.eng, zavr.plk.
set(ZAVR_KATALOG_ORDNER ${PROJECT_SOURCE_DIR}/resources/uebersetzungen)
set(ZAVR_KATALOGE ${ZAVR_KATALOG_ORDNER}/zavr_de.ts ${ZAVR_KATALOG_ORDNER}/zavr_en.ts
                  ${ZAVR_KATALOG_ORDNER}/zavr_pl.ts)
set(ZAVR_UEBERSETZTE_ORDNER datei model calc files dxf sitzung output app cli)
set(ZAVR_LUPDATE_OPTIONEN -source-language de_DE -locations none -no-obsolete)

function(zavr_sprachmodule programm)
  set(quellen)
  foreach(ordner ${ZAVR_UEBERSETZTE_ORDNER})
    file(GLOB_RECURSE gefunden CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${ordner}/*.cpp
         ${PROJECT_SOURCE_DIR}/${ordner}/*.h)
    list(APPEND quellen ${gefunden})
  endforeach()
  qt_add_translations(${programm} TS_FILES ${ZAVR_KATALOGE} SOURCES ${quellen}
                      INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR} LUPDATE_OPTIONS ${ZAVR_LUPDATE_OPTIONEN}
                      QM_FILES_OUTPUT_VARIABLE qm_dateien)
  # Copied whenever a catalogue changes, not only when the program is linked again.
  set(module)
  foreach(qm ${qm_dateien})
    get_filename_component(name ${qm} NAME_WE)
    string(REGEX REPLACE "^.*_" "" sprache ${name})
    string(REPLACE "de" "deu" kuerzel ${sprache})
    string(REPLACE "en" "eng" kuerzel ${kuerzel})
    string(REPLACE "pl" "plk" kuerzel ${kuerzel})
    set(modul ${CMAKE_CURRENT_BINARY_DIR}/${programm}.${kuerzel})
    add_custom_command(OUTPUT ${modul} COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qm} ${modul}
                       DEPENDS ${qm})
    list(APPEND module ${modul})
    install(FILES ${qm} DESTINATION ${ZAVR_PROGRAMMORDNER} RENAME ${programm}.${kuerzel} COMPONENT Programm)
  endforeach()
  add_custom_target(${programm}_sprachmodule ALL DEPENDS ${module})
  add_dependencies(${programm} ${programm}_sprachmodule)
endfunction()

# The command-line tool carries the compiled catalogues inside itself (resources :/sprachen/zavr_<de|en|pl>.qm),
# so an installed or copied zavr-cli speaks every language without the modules beside the window's program.
function(zavr_kataloge_einbetten programm)
  qt_add_lrelease(${programm} TS_FILES ${ZAVR_KATALOGE} QM_FILES_OUTPUT_VARIABLE qm_dateien)
  qt_add_resources(${programm} ${programm}_kataloge PREFIX /sprachen BASE ${CMAKE_CURRENT_BINARY_DIR}
                   FILES ${qm_dateien})
endfunction()
