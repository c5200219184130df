# SQLite for the Windows builds of the simulator DLL, compiled in from the
# amalgamation (sqlite3.c and sqlite3.h) so that RFWIN32.dll needs no other
# DLL. The amalgamation within reach of our machines is the copy that the npm
# package better-sqlite3 ships under deps/sqlite3/; it is fetched with npm at
# configure time and extracted into the build tree. It is never committed.
#
# Cache variables:
#   INKSTAMP_SQLITE_AMALGAMATION_DIR  a folder that already holds sqlite3.c and
#                                     sqlite3.h (skips npm altogether)
#   INKSTAMP_SQLITE_NPM_PACKAGE       the npm package to fetch
#   INKSTAMP_SQLITE_DOWNLOAD_DIR      where the tarball and its extract go; the
#                                     test build points both cross builds at
#                                     one folder so that npm runs once
#
# Defines the static library target SQLite::SQLite3.

set(INKSTAMP_SQLITE_AMALGAMATION_DIR "" CACHE PATH
    "Folder holding sqlite3.c and sqlite3.h; empty: fetch them with npm")
set(INKSTAMP_SQLITE_NPM_PACKAGE "better-sqlite3@12.11.1" CACHE STRING
    "npm package whose deps/sqlite3/ holds the SQLite amalgamation")
set(INKSTAMP_SQLITE_DOWNLOAD_DIR "${CMAKE_BINARY_DIR}/_deps/sqlite" CACHE PATH
    "Where the npm tarball is fetched and extracted")

function(inkstamp_fetch_sqlite_amalgamation out_dir)
  # One extract per package name, so that changing the package refetches.
  string(MAKE_C_IDENTIFIER "${INKSTAMP_SQLITE_NPM_PACKAGE}" package_key)
  set(download_dir "${INKSTAMP_SQLITE_DOWNLOAD_DIR}/${package_key}")
  set(source_dir "${download_dir}/package/deps/sqlite3")
  if(EXISTS "${source_dir}/sqlite3.c" AND EXISTS "${source_dir}/sqlite3.h")
    set(${out_dir} "${source_dir}" PARENT_SCOPE)
    return()
  endif()

  find_program(INKSTAMP_NPM npm)
  if(NOT INKSTAMP_NPM)
    message(FATAL_ERROR
      "The Windows build compiles SQLite in from its amalgamation, fetched with npm "
      "(${INKSTAMP_SQLITE_NPM_PACKAGE}), but npm is not installed. Install npm, or set "
      "INKSTAMP_SQLITE_AMALGAMATION_DIR to a folder holding sqlite3.c and sqlite3.h.")
  endif()

  # Concurrent configures (the test build runs the two cross builds side by
  # side) share the folder: take a lock for the fetch.
  file(MAKE_DIRECTORY "${download_dir}")
  file(LOCK "${download_dir}" DIRECTORY GUARD FUNCTION TIMEOUT 600)
  if(NOT EXISTS "${source_dir}/sqlite3.c")
    message(STATUS "Fetching the SQLite amalgamation: npm pack ${INKSTAMP_SQLITE_NPM_PACKAGE}")
    file(GLOB old_tarballs "${download_dir}/*.tgz")
    if(old_tarballs)
      file(REMOVE ${old_tarballs})
    endif()
    execute_process(
      COMMAND "${INKSTAMP_NPM}" pack "${INKSTAMP_SQLITE_NPM_PACKAGE}"
              --pack-destination "${download_dir}" --silent
      WORKING_DIRECTORY "${download_dir}"
      RESULT_VARIABLE npm_result
      OUTPUT_VARIABLE npm_output
      ERROR_VARIABLE npm_error)
    file(GLOB tarball "${download_dir}/*.tgz")
    list(LENGTH tarball tarball_count)
    if(NOT npm_result EQUAL 0 OR NOT tarball_count EQUAL 1)
      message(FATAL_ERROR
        "npm pack ${INKSTAMP_SQLITE_NPM_PACKAGE} failed (${npm_result}):\n${npm_output}${npm_error}\n"
        "Set INKSTAMP_SQLITE_AMALGAMATION_DIR to a folder holding sqlite3.c and sqlite3.h "
        "to build without npm.")
    endif()
    execute_process(
      COMMAND "${CMAKE_COMMAND}" -E tar xzf "${tarball}"
              package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
      WORKING_DIRECTORY "${download_dir}"
      RESULT_VARIABLE tar_result)
    if(NOT tar_result EQUAL 0 OR NOT EXISTS "${source_dir}/sqlite3.c"
       OR NOT EXISTS "${source_dir}/sqlite3.h")
      message(FATAL_ERROR "${tarball} holds no deps/sqlite3/sqlite3.c and sqlite3.h.")
    endif()
  endif()
  set(${out_dir} "${source_dir}" PARENT_SCOPE)
endfunction()

if(INKSTAMP_SQLITE_AMALGAMATION_DIR)
  set(sqlite_amalgamation_dir "${INKSTAMP_SQLITE_AMALGAMATION_DIR}")
  if(NOT EXISTS "${sqlite_amalgamation_dir}/sqlite3.c"
     OR NOT EXISTS "${sqlite_amalgamation_dir}/sqlite3.h")
    message(FATAL_ERROR "INKSTAMP_SQLITE_AMALGAMATION_DIR (${sqlite_amalgamation_dir}) "
                        "holds no sqlite3.c and sqlite3.h.")
  endif()
else()
  inkstamp_fetch_sqlite_amalgamation(sqlite_amalgamation_dir)
endif()

file(STRINGS "${sqlite_amalgamation_dir}/sqlite3.h" sqlite_version_line
     REGEX "^#define SQLITE_VERSION +\"[0-9.]+\"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" INKSTAMP_SQLITE_VERSION "${sqlite_version_line}")
message(STATUS "SQLite amalgamation ${INKSTAMP_SQLITE_VERSION}: ${sqlite_amalgamation_dir}")

add_library(sqlite3_amalgamation STATIC "${sqlite_amalgamation_dir}/sqlite3.c")
target_include_directories(sqlite3_amalgamation SYSTEM PUBLIC "${sqlite_amalgamation_dir}")
# Otherwise SQLite's own defaults, as the system libraries that the POSIX
# builds use have them: both sides open the same store files.
target_compile_definitions(sqlite3_amalgamation PRIVATE
  SQLITE_OMIT_LOAD_EXTENSION)  # the simulator loads no extensions
# Third-party code: its warnings are not ours to fix, and -Werror must not
# break the build on a newer compiler.
target_compile_options(sqlite3_amalgamation PRIVATE $<IF:$<C_COMPILER_ID:MSVC>,/w,-w>)
add_library(SQLite::SQLite3 ALIAS sqlite3_amalgamation)
