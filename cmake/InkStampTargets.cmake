# Helpers shared by the components' CMakeLists.

# inkstamp_add_test(NAME SOURCES... LIBS...) builds one GoogleTest program and
# registers each of its tests with CTest under the label `unit`. (A list of
# labels would be split by gtest_discover_tests' argument handling, so unit
# tests carry exactly one.)
function(inkstamp_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES LABELS unit
    DISCOVERY_TIMEOUT 60)
endfunction()
