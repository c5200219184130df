# Installs BUILD_DIR into a prefix under WORK_DIR, moves the prefix (so that
# only a relative RPATH can find the library), and runs the installed
# programs by name from PATH, with no library path and no store but the one
# they are given. Run by the `install` test with BUILD_DIR and WORK_DIR set.
cmake_minimum_required(VERSION 3.25)

function(fail what)
  message(FATAL_ERROR "install test: ${what}")
endfunction()

# Runs a command in the installed tree's environment; fails unless it exits
# with 0. `out_var` receives its standard output.
function(run_installed out_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH --unset=FAXSIM_TRACE
      --unset=XDG_DATA_HOME "PATH=${moved}/bin:/usr/bin:/bin" "HOME=${WORK_DIR}"
      "FAXSIM_STORE=${WORK_DIR}/store.db" FAXSIM_SLEEP_SCALE=0 ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  list(JOIN ARGN " " shown)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    fail("'${shown}' exited with ${status}:\n${out}${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(moved "${WORK_DIR}/moved")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  fail("cmake --install failed:\n${out}")
endif()
file(RENAME "${prefix}" "${moved}")

file(GLOB_RECURSE installed RELATIVE "${moved}" "${moved}/*")
foreach(program inkstamp faxlist faxsim)
  foreach(expected bin/${program} share/man/man1/${program}.1)
    if(NOT expected IN_LIST installed)
      fail("${expected} is not installed (installed: ${installed})")
    endif()
  endforeach()
  # The configured page, not its template.
  file(STRINGS "${moved}/share/man/man1/${program}.1" header REGEX "^\\.TH ")
  if(header MATCHES "@")
    fail("share/man/man1/${program}.1 is the unconfigured template: ${header}")
  endif()
endforeach()
list(FILTER installed INCLUDE REGEX "/librfwin32\\.so$")
if(NOT installed)
  fail("librfwin32.so is not installed")
endif()

# env(1) finds each program on the PATH it is given.
run_installed(out faxsim demo)
run_installed(out env inkstamp -s faxsrv -u alice -mp "APP0438B2C87FE62B9")
if(NOT out MATCHES "\n1/1 APP0438B2C87FE62B9\n  -> marked\n")
  fail("the installed inkstamp did not mark the fax:\n${out}")
endif()
run_installed(out faxlist -s faxsrv -u alice "APP0438B2C87FE62B9")
if(NOT out MATCHES "\nAPP0438B2C87FE62B9 [^\n]* 0000001F\n")
  fail("the installed faxlist did not list the fax:\n${out}")
endif()
run_installed(out faxsim list-faxes faxsrv alice)
# The marks column has P in its second place for printed.
if(NOT out MATCHES "APP0438B2C87FE62B9 [^\n]* [V-]P[B-][A-][H-][1-][2-]\n")
  fail("the mark is not in the store:\n${out}")
endif()
