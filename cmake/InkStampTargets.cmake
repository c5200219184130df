# Helpers shared by the components' CMakeLists.

# inkstamp_include_src(TARGET) lets TARGET, and what links a library TARGET,
# include the components' headers as "component/file.h".
function(inkstamp_include_src target)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  elseif(type STREQUAL "EXECUTABLE")
    set(scope PRIVATE)
  else()
    set(scope PUBLIC)
  endif()
  target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR}/src)
endfunction()

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

# inkstamp_platform_sources(TARGET NAME...) adds NAME_win32.cc to TARGET on
# Windows and NAME_posix.cc elsewhere: each platform difference lives in a
# small file of its own.
function(inkstamp_platform_sources target)
  if(WIN32)
    set(suffix _win32.cc)
  else()
    set(suffix _posix.cc)
  endif()
  foreach(name IN LISTS ARGN)
    target_sources(${target} PRIVATE ${name}${suffix})
  endforeach()
endfunction()

# inkstamp_add_client_program(NAME LIBS...) builds a console program on the
# client library: on Windows it imports the functions from RFWIN32.dll through
# the import library of our .def (src/faxclient), never from the simulator's
# DLL target, so that one .exe runs beside the vendor's DLL or ours, and its
# start-up leaves '*' and '?' on the command line alone (src/inkstamp's
# no_wildcard_expansion); elsewhere it links the simulator library.
function(inkstamp_add_client_program name)
  add_executable(${name} main.cc)
  if(WIN32)
    target_link_libraries(${name} PRIVATE ${ARGN} no_wildcard_expansion rfwin32_import)
  else()
    target_link_libraries(${name} PRIVATE ${ARGN} rfwin32)
  endif()
endfunction()
