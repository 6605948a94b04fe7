# The layers and what each may use: the arrows of the README's architecture table. Arrows point down only;
# the core (datei model calc files dxf) and the session are plain C++ without Qt.
#
#   ZAVR_SCHICHTEN                 the layers, each a folder with its target
#   ZAVR_SCHICHT_ZIEL_<layer>      its target
#   ZAVR_SCHICHT_DARF_<layer>      the layers below it that it may include and link
#   ZAVR_SCHICHTEN_MIT_QT          the layers that may include and link Qt
#
# Read by the configure-time link check (zavr_schichten_pruefen) and by the include check that CTest runs
# (cmake/ZavrSchichtenPruefung.cmake).
set(ZAVR_KERN datei model calc files dxf dxf/zeichnung)
set(ZAVR_SCHICHTEN ${ZAVR_KERN} sitzung output app cli)
set(ZAVR_SCHICHTEN_MIT_QT output app cli)

set(ZAVR_SCHICHT_DARF_datei)
set(ZAVR_SCHICHT_DARF_model)
set(ZAVR_SCHICHT_DARF_calc model)
set(ZAVR_SCHICHT_DARF_files model datei)
set(ZAVR_SCHICHT_DARF_dxf datei)
set(ZAVR_SCHICHT_DARF_dxf/zeichnung dxf model datei)
set(ZAVR_SCHICHT_DARF_sitzung ${ZAVR_KERN})
set(ZAVR_SCHICHT_DARF_output ${ZAVR_KERN})
set(ZAVR_SCHICHT_DARF_app sitzung output ${ZAVR_KERN})
set(ZAVR_SCHICHT_DARF_cli sitzung output ${ZAVR_KERN})

set(ZAVR_SCHICHT_ZIEL_datei zavr_datei)
set(ZAVR_SCHICHT_ZIEL_model zavr_model)
set(ZAVR_SCHICHT_ZIEL_calc zavr_calc)
set(ZAVR_SCHICHT_ZIEL_files zavr_files)
set(ZAVR_SCHICHT_ZIEL_dxf zavr_dxf)
set(ZAVR_SCHICHT_ZIEL_dxf/zeichnung zavr_dxf_zeichnung)
set(ZAVR_SCHICHT_ZIEL_sitzung zavr_sitzung)
set(ZAVR_SCHICHT_ZIEL_output zavr_output)
set(ZAVR_SCHICHT_ZIEL_app zavr_app)
set(ZAVR_SCHICHT_ZIEL_cli zavr-cli)

# Fails the configuration when a layer's target links a layer it may not use, or Qt outside the Qt layers.
function(zavr_schichten_pruefen)
  set(fehler)
  foreach(schicht ${ZAVR_SCHICHTEN})
    set(ziel ${ZAVR_SCHICHT_ZIEL_${schicht}})
    if(NOT TARGET ${ziel})
      continue()
    endif()
    get_target_property(gelinkt ${ziel} LINK_LIBRARIES)
    foreach(lib ${gelinkt})
      set(erlaubt FALSE)
      if(lib MATCHES "^Qt6::")
        if(schicht IN_LIST ZAVR_SCHICHTEN_MIT_QT)
          set(erlaubt TRUE)
        endif()
      elseif(lib MATCHES "^zavr")
        foreach(unten ${ZAVR_SCHICHT_DARF_${schicht}})
          if(lib STREQUAL "${ZAVR_SCHICHT_ZIEL_${unten}}")
            set(erlaubt TRUE)
          endif()
        endforeach()
      else()
        set(erlaubt TRUE)
      endif()
      if(NOT erlaubt)
        list(APPEND fehler "${ziel} (${schicht}) links ${lib}")
      endif()
    endforeach()
  endforeach()
  if(fehler)
    list(JOIN fehler "\n  " text)
    message(FATAL_ERROR "A layer links what it may not use (cmake/ZavrSchichten.cmake):\n  ${text}")
  endif()
endfunction()
