# Helpers shared by the components' CMakeLists.

# inkstamp_add_test(NAME SOURCES... LIBS... [LABELS label]) builds one
# GoogleTest program and registers each of its tests with CTest, labelled
# `unit` unless a label is given. (gtest_discover_tests splits a list of
# labels apart, so a test carries exactly one.)
function(inkstamp_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LABELS" "SOURCES;LIBS")
  if(NOT arg_LABELS)
    set(arg_LABELS unit)
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${arg_LABELS}
    DISCOVERY_TIMEOUT 60)
endfunction()
