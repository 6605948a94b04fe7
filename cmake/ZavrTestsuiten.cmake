# Run after a test executable is linked: lists its GoogleTest suites and writes one CTest test per suite
# (--gtest_filter=Suite.*) into CTEST_DATEI, named PRAEFIX.Suite, and their names into the variable LISTE.
# A process per suite instead of one per test: the tests of a suite share the start of the program
# (sanitizers, Qt) once, and a failing test is still named in its suite's output.
#
#   cmake -D PROGRAMM=<exe> -D PRAEFIX=<layer> -D LISTE=<variable> -D CTEST_DATEI=<file>
#         -D ARBEITSORDNER=<dir> -P ZavrTestsuiten.cmake
execute_process(COMMAND "${PROGRAMM}" --gtest_list_tests WORKING_DIRECTORY "${ARBEITSORDNER}" TIMEOUT 120
                OUTPUT_VARIABLE ausgabe RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "${PROGRAMM} --gtest_list_tests failed (${ergebnis}):\n${ausgabe}")
endif()

# A suite's line starts in the first column and ends in '.'; a typed suite adds "  # TypeParam = ...".
string(REGEX MATCHALL "(^|\n)[^ \n][^\n]*" zeilen "${ausgabe}")
set(suiten)
foreach(zeile IN LISTS zeilen)
  string(STRIP "${zeile}" zeile)
  if(zeile MATCHES "^([^ #]+)\\.( .*)?$")
    list(APPEND suiten "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(REMOVE_DUPLICATES suiten)

set(text "set(${LISTE})\n")
foreach(suite IN LISTS suiten)
  set(name "${PRAEFIX}.${suite}")
  string(APPEND text "add_test([==[${name}]==] [==[${PROGRAMM}]==] [==[--gtest_filter=${suite}.*]==]"
         " --gtest_brief=1)\n"
         "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${ARBEITSORDNER}]==])\n"
         "list(APPEND ${LISTE} [==[${name}]==])\n")
endforeach()
file(WRITE "${CTEST_DATEI}" "${text}")
