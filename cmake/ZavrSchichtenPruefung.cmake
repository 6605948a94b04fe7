# The include check: every #include of every layer's sources points to the layer itself or to a layer it
# may use (cmake/ZavrSchichten.cmake), never up, never out of the tree with "..", and a layer without Qt
# includes no Qt header. The build already refuses most of these (each layer sees only the headers of what
# it links); this check also names the ones a header could slip through, such as a Qt header in a core
# header that only Qt code includes.
#
#   cmake -D WURZEL=<source tree> -P ZavrSchichtenPruefung.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ZavrSchichten.cmake)

# The layer an include path points to, or empty for a system or library header.
function(ziel_schicht pfad ergebnis)
  set(gefunden "")
  foreach(schicht ${ZAVR_SCHICHTEN})
    string(LENGTH "${schicht}/" laenge)
    string(SUBSTRING "${pfad}" 0 ${laenge} anfang)
    string(LENGTH "${gefunden}" bisher)
    # The longest match wins: "dxf/zeichnung/X.h" is the drawings, "dxf/X.h" the DXF library.
    if(anfang STREQUAL "${schicht}/" AND laenge GREATER bisher)
      set(gefunden ${schicht})
    endif()
  endforeach()
  set(${ergebnis} "${gefunden}" PARENT_SCOPE)
endfunction()

set(fehler)
foreach(schicht ${ZAVR_SCHICHTEN})
  file(GLOB quellen ${WURZEL}/${schicht}/*.h ${WURZEL}/${schicht}/*.cpp)
  set(darf ${schicht} ${ZAVR_SCHICHT_DARF_${schicht}})
  list(JOIN darf ", " darf_text)
  set(mit_qt FALSE)
  if(schicht IN_LIST ZAVR_SCHICHTEN_MIT_QT)
    set(mit_qt TRUE)
  endif()
  foreach(quelle ${quellen})
    file(STRINGS ${quelle} zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    file(RELATIVE_PATH name ${WURZEL} ${quelle})
    foreach(zeile ${zeilen})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" pfad "${zeile}")
      ziel_schicht("${pfad}" ziel)
      if(pfad MATCHES "(^|/)\\.\\./")
        list(APPEND fehler "${name}: #include \"${pfad}\" leaves its folder")
      elseif(ziel AND NOT ziel IN_LIST darf)
        list(APPEND fehler "${name}: #include \"${pfad}\" points up (${schicht} may use ${darf_text})")
      elseif(NOT mit_qt AND pfad MATCHES "^(Q[A-Za-z]+|Qt[A-Za-z]+/.*|q[a-z]+\\.h)$")
        list(APPEND fehler "${name}: #include <${pfad}> is Qt, and ${schicht} is plain C++")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fehler)
  list(JOIN fehler "\n  " text)
  message(FATAL_ERROR "Includes against the layers (cmake/ZavrSchichten.cmake):\n  ${text}")
endif()
