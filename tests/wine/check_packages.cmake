# Makes the Windows packages of one cross build with cpack and checks what each
# ZIP holds: the program's archive has inkstamp.exe, faxlist.exe and their
# documents and never a DLL (an RFWIN32.dll there would shadow the vendor's);
# the simulator test archive has the simulator's DLL and tool as well.
#
# cmake -DBUILD_DIR=<cross build> -DOUT_DIR=<scratch> -P check_packages.cmake

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(
  COMMAND "${CMAKE_CPACK_COMMAND}" -G ZIP -B "${OUT_DIR}"
  WORKING_DIRECTORY "${BUILD_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}")
endif()

function(zip_contents zip out)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${zip}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE listing)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "can't list ${zip}")
  endif()
  string(REPLACE "\n" ";" listing "${listing}")
  list(REMOVE_ITEM listing "")
  list(SORT listing)
  set(${out} "${listing}" PARENT_SCOPE)
endfunction()

file(GLOB zips RELATIVE "${OUT_DIR}" "${OUT_DIR}/*.zip")
list(SORT zips)
list(LENGTH zips count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "expected two archives, found: ${zips}")
endif()

foreach(zip IN LISTS zips)
  zip_contents("${OUT_DIR}/${zip}" files)
  message(STATUS "${zip}: ${files}")
  if(zip MATCHES "-simulator-test\\.zip$")
    set(expected
        "README.txt;RFWIN32.dll;SIMULATOR.txt;faxlist.exe;faxsim.exe;inkstamp-task.bat;inkstamp.exe")
  elseif(zip MATCHES "^inkstamp-[0-9.]+-win(32|64)\\.zip$")
    set(expected "INSTALL.txt;README.txt;faxlist.exe;inkstamp-task.bat;inkstamp.exe")
  else()
    message(FATAL_ERROR "unexpected archive ${zip}")
  endif()
  if(NOT files STREQUAL expected)
    message(FATAL_ERROR "${zip} holds ${files}, expected ${expected}")
  endif()
endforeach()
