# zavr_kopfordner(TARGET PUBLIC|PRIVATE [FOLDER]): makes the headers of FOLDER (default: the current source
# folder) includable as "<folder>/X.h", e.g. "model/TKModell.h", and nothing else. The headers are linked
# into an include root of the target's own in the build tree, so a layer sees only the headers of the
# layers it links, and an include that points up does not compile.
function(zavr_kopfordner target art)
  set(quelle ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 2)
    set(quelle ${ARGV2})
  endif()
  file(RELATIVE_PATH ordner ${PROJECT_SOURCE_DIR} ${quelle})
  set(wurzel ${PROJECT_BINARY_DIR}/koepfe/${target})
  file(REMOVE_RECURSE ${wurzel}/${ordner})
  file(MAKE_DIRECTORY ${wurzel}/${ordner})
  file(GLOB koepfe CONFIGURE_DEPENDS ${quelle}/*.h)
  foreach(kopf ${koepfe})
    get_filename_component(datei ${kopf} NAME)
    file(CREATE_LINK ${kopf} ${wurzel}/${ordner}/${datei} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${art} ${wurzel})
endfunction()

# zavr_vorkompilieren(TARGET HEADER...): library headers the target's files share, precompiled once per
# target when ZAVR_PCH is on. Only headers of libraries, never the project's own; a file that forgets one
# of them still fails in a build without ZAVR_PCH (every build through ccache).
set(ZAVR_PCH_QT <QString> <QCoreApplication> <QPainter> <QImage>)
set(ZAVR_PCH_WIDGETS ${ZAVR_PCH_QT} <QApplication> <QWidget> <QDialog> <QLabel> <QPushButton> <QVBoxLayout>
    <QHBoxLayout>)
# Precompiling costs about as much as five files save, so small targets go without.
function(zavr_vorkompilieren target)
  get_target_property(quellen ${target} SOURCES)
  list(LENGTH quellen anzahl)
  if(ZAVR_PCH AND anzahl GREATER 5)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# zavr_library(NAME [LIBS ...]): the library of one layer from every .cpp in its folder. It exposes its own
# headers only ("model/TKModell.h"); LIBS are the layers below it that it may use (cmake/ZavrSchichten.cmake).
function(zavr_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  zavr_kopfordner(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# zavr_test(NAME [LIBS ...] [ENV ...]): one GoogleTest executable from every .cpp in the folder, registered
# with CTest suite by suite (cmake/ZavrTestsuiten.cmake), named after the layer: "model.Katalog".
# Tests find their data through ZAVR_SOURCE_DIR and ZAVR_BINARY_DIR.
function(zavr_test name)
  cmake_parse_arguments(T "" "" "LIBS;ENV" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  zavr_vorkompilieren(${name} <gtest/gtest.h>)
  target_compile_definitions(${name} PRIVATE
    ZAVR_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ZAVR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(ZAVR_SANITIZE)
    # The code under test keeps both sanitizers; the test code itself only AddressSanitizer, since UBSan
    # instrumentation of the expanded test macros makes up almost half of a test file's compile time.
    target_compile_options(${name} PRIVATE -fno-sanitize=undefined)
  endif()
  string(REGEX REPLACE "^zavr_(.*)_tests$" "\\1" praefix ${name})
  set(suiten ${CMAKE_CURRENT_BINARY_DIR}/${name}_suiten.cmake)
  add_custom_command(TARGET ${name} POST_BUILD BYPRODUCTS ${suiten}
    COMMAND ${CMAKE_COMMAND} -D PROGRAMM=$<TARGET_FILE:${name}> -D PRAEFIX=${praefix} -D LISTE=${name}_SUITEN
            -D CTEST_DATEI=${suiten} -D ARBEITSORDNER=${CMAKE_CURRENT_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/ZavrTestsuiten.cmake
    VERBATIM)
  # LeakSanitizer's record of dynamic TLS blocks (taken by intercepting __tls_get_addr) reads a bogus block
  # size under this glibc when a library with thread-local data is loaded late (Qt's image plugins), and its
  # scan at exit then crashes depending on where the heap lies: leave that record out.
  set(einbindung ${CMAKE_CURRENT_BINARY_DIR}/${name}_einbindung.cmake)
  file(WRITE ${einbindung} "if(EXISTS [==[${suiten}]==])\n  include([==[${suiten}]==])\n"
    "  if(${name}_SUITEN)\n    set_tests_properties(\${${name}_SUITEN} PROPERTIES ENVIRONMENT "
    "\"QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0;${T_ENV}\")\n  endif()\n"
    "else()\n  add_test(${name}_NICHT_GEBAUT ${name}_NICHT_GEBAUT)\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${einbindung})
endfunction()

# zavr_benchmark(NAME [LIBS ...]): a Google Benchmark executable from the folder's .cpp files (not run by CTest).
function(zavr_benchmark name)
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
