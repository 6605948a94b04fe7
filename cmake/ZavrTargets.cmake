# zavr_library(NAME [LIBS ...]): the library of one layer from every .cpp in its folder. The repository root
# is the include root, so code includes "model/TKModell.h", "dxf/DXF_Object.h" and so on.
function(zavr_library name)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# zavr_test(NAME [LIBS ...] [ENV ...]): one GoogleTest executable from every .cpp in the folder, registered
# with CTest test by test. Tests find their data through ZAVR_SOURCE_DIR and ZAVR_BINARY_DIR.
function(zavr_test name)
  cmake_parse_arguments(T "" "" "LIBS;ENV" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    ZAVR_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ZAVR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES)
  # gtest_discover_tests passes a list-valued property on as separate words (only the first variable reached
  # the tests), so the environment is set on the discovered tests by a file read after their list.
  # LeakSanitizer's record of dynamic TLS blocks (taken by intercepting __tls_get_addr) reads a bogus block
  # size under this glibc when a library with thread-local data is loaded late (Qt's image plugins), and its
  # scan at exit then crashes depending on where the heap lies: leave that record out.
  set(umgebung ${CMAKE_CURRENT_BINARY_DIR}/${name}_umgebung.cmake)
  file(WRITE ${umgebung} "if(DEFINED ${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT "
    "\"QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0;${T_ENV}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${umgebung})
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
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
