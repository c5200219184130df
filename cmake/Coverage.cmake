# Line and branch coverage of the native tests (INKSTAMP_COVERAGE, GCC only;
# the `coverage` preset). Everything is compiled and linked with --coverage;
# after the tests, the target coverage_report runs gcovr and prints the line
# and branch figures for each folder of src/ (CoverageReport.cmake), with an
# HTML report in coverage/index.html of the build tree. The counts of
# successive test runs add up: a fresh build tree gives one run's.

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "INKSTAMP_COVERAGE needs GCC (gcov); this is ${CMAKE_CXX_COMPILER_ID}")
endif()
find_program(INKSTAMP_GCOVR gcovr)
if(NOT INKSTAMP_GCOVR)
  message(FATAL_ERROR "INKSTAMP_COVERAGE needs gcovr (Debian: gcovr)")
endif()

add_compile_options(--coverage)
add_link_options(--coverage)

set(coverage_dir ${CMAKE_BINARY_DIR}/coverage)
cmake_host_system_information(RESULT coverage_jobs QUERY NUMBER_OF_LOGICAL_CORES)
add_custom_target(coverage_report
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${coverage_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${coverage_dir}
  # The program's and the libraries' own sources: not the tests and their
  # helpers beside the code, nor the compiler's headers. Branches that only
  # an exception could take don't count: the code throws none.
  COMMAND ${INKSTAMP_GCOVR} --root ${PROJECT_SOURCE_DIR} --object-directory ${CMAKE_BINARY_DIR}
          --filter ${PROJECT_SOURCE_DIR}/src/ --exclude ".*_test\\.cc$"
          --exclude ".*/wildcard_reference\\.h$"
          --exclude-throw-branches --exclude-unreachable-branches
          -j ${coverage_jobs}
          --html-details ${coverage_dir}/index.html
          --json-summary ${coverage_dir}/summary.json
          # Only this build's notes: a search from the source root would walk
          # other build trees, and through a Wine prefix's z: the whole disk.
          ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -DSUMMARY=${coverage_dir}/summary.json
          -DHTML=${coverage_dir}/index.html -P ${CMAKE_CURRENT_LIST_DIR}/CoverageReport.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Coverage of src/ by the tests that ran"
  VERBATIM)
