# Strict warnings for our own targets (never for generated or third-party code).
function(velmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# A GoogleTest executable from the given sources, linked to the given
# libraries and registered with CTest test by test. MAIN names a library
# with another main() (GoogleTest's own by default).
function(velmora_gtest name)
  cmake_parse_arguments(ARG "" "MAIN" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_MAIN)
    set(ARG_MAIN GTest::gtest_main)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  velmora_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest ${ARG_MAIN})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
