# Builds this commit again in a fresh folder and compares the results with an
# existing build of it, byte for byte.
#
# cmake -DSOURCE_DIR=... -DWORK_DIR=<scratch> -DGENERATOR=... -DJOBS=n
#       -DWINDOWS_REFERENCE=<cross build> -DWINDOWS_TOOLCHAIN=<toolchain file>
#       [-DNATIVE_REFERENCE=<native build> -DNATIVE_TARGETS=... -DNATIVE_FILES=...]
#       -P compare_builds.cmake

# Runs a command without the compiler cache that the caller's environment may
# name, failing loudly.
function(run what)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=CMAKE_C_COMPILER_LAUNCHER
            --unset=CMAKE_CXX_COMPILER_LAUNCHER ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
endfunction()

# Configures and builds `targets` in <WORK_DIR>/<name>, a clean folder.
function(fresh_build name targets)
  set(build "${WORK_DIR}/${name}")
  run("Configuring ${name}" ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${build}" -G "${GENERATOR}"
      -DCMAKE_BUILD_TYPE=Release ${ARGN})
  run("Building ${name}" ${CMAKE_COMMAND} --build "${build}" --parallel ${JOBS} --target ${targets})
endfunction()

# The program's ZIP of a cross build, made by cpack into `out`. Only the
# program's component: the simulator test archive needs faxsim.exe as well.
function(program_zip build out result)
  run("Packaging ${build}" ${CMAKE_COMMAND} -E chdir "${build}"
      ${CMAKE_CPACK_COMMAND} -G ZIP -B "${out}" -D CPACK_COMPONENTS_ALL=program)
  file(GLOB zip "${out}/*.zip")
  set(${result} "${zip}" PARENT_SCOPE)
endfunction()

set(differ "")
function(compare label reference fresh)
  if(NOT EXISTS "${reference}" OR NOT EXISTS "${fresh}")
    message(FATAL_ERROR "${label}: missing ${reference} or ${fresh}")
  endif()
  file(SHA256 "${reference}" reference_hash)
  file(SHA256 "${fresh}" fresh_hash)
  if(reference_hash STREQUAL fresh_hash)
    message(STATUS "${label}: identical (${reference_hash})")
  else()
    message(STATUS "${label}: DIFFERENT\n  ${reference}\n  ${fresh}")
    set(differ "${differ} ${label}" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# 32-bit Windows. The fresh build compiles SQLite from a copy of the
# reference's amalgamation in its own folder, so that no path is shared; the
# reference's cache says where its copy is (SqliteAmalgamation.cmake).
function(cached name out)
  file(STRINGS "${WINDOWS_REFERENCE}/CMakeCache.txt" line REGEX "^${name}:[A-Z]+=")
  string(REGEX REPLACE "^[^=]*=" "" value "${line}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
cached(INKSTAMP_SQLITE_AMALGAMATION_DIR sqlite_dir)
if(NOT sqlite_dir)
  cached(INKSTAMP_SQLITE_DOWNLOAD_DIR download_dir)
  cached(INKSTAMP_SQLITE_NPM_PACKAGE package)
  string(MAKE_C_IDENTIFIER "${package}" package_key)
  set(sqlite_dir "${download_dir}/${package_key}/package/deps/sqlite3")
endif()
file(COPY "${sqlite_dir}/sqlite3.c" "${sqlite_dir}/sqlite3.h" DESTINATION "${WORK_DIR}/sqlite")

fresh_build(i686 "inkstamp;faxlist;rfwin32;manuals_html" -DCMAKE_TOOLCHAIN_FILE=${WINDOWS_TOOLCHAIN}
            -DINKSTAMP_SQLITE_AMALGAMATION_DIR=${WORK_DIR}/sqlite
            # cpack then installs the program without building everything.
            -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)
foreach(file src/inkstamp/inkstamp.exe src/faxlist/faxlist.exe src/faxsim/RFWIN32.dll)
  compare("${file}" "${WINDOWS_REFERENCE}/${file}" "${WORK_DIR}/i686/${file}")
endforeach()
program_zip("${WINDOWS_REFERENCE}" "${WORK_DIR}/reference-packages" reference_zip)
program_zip("${WORK_DIR}/i686" "${WORK_DIR}/i686-packages" fresh_zip)
compare("program ZIP" "${reference_zip}" "${fresh_zip}")

if(NATIVE_REFERENCE)
  fresh_build(native "${NATIVE_TARGETS}" -DINKSTAMP_BUILD_TESTS=OFF -DINKSTAMP_BUILD_BENCHMARKS=OFF)
  foreach(file IN LISTS NATIVE_FILES)
    compare("native ${file}" "${NATIVE_REFERENCE}/${file}" "${WORK_DIR}/native/${file}")
  endforeach()
endif()

if(differ)
  message(FATAL_ERROR "Not reproducible:${differ}. Compare the files named above "
                      "(e.g. cmp -l, objdump -x) to see what differs.")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
