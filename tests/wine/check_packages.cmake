cmake_minimum_required(VERSION 3.25)
# Makes the Windows packages of one cross build with cpack and checks what each
# ZIP holds: the program's archive has inkstamp.exe, faxlist.exe, the batch
# file, INSTALL.txt and the programs' manual pages and never a DLL (an
# RFWIN32.dll there would shadow the vendor's); the simulator test archive has
# the simulator's DLL, its tool and SIMULATOR.txt as well. Every entry is inside one folder named after the
# ZIP, every text file has Windows line ends, and the manual pages are the
# Windows flavour, whose examples are written for cmd.exe.
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

# Fails unless every line end of the text file `path` is CR LF: as many
# CR LF pairs as LFs. (Read as hexadecimal, one "xx " per byte, since
# file(READ) drops carriage returns.)
function(check_windows_line_ends path)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " bytes "${hex}")
  string(LENGTH "${bytes}" length)
  string(REPLACE "0a " "" without_lf "${bytes}")
  string(LENGTH "${without_lf}" without_lf_length)
  string(REPLACE "0d 0a " "" without_crlf "${bytes}")
  string(LENGTH "${without_crlf}" without_crlf_length)
  math(EXPR lf "(${length} - ${without_lf_length}) / 3")
  math(EXPR crlf "(${length} - ${without_crlf_length}) / 6")
  if(lf EQUAL 0 OR NOT lf EQUAL crlf)
    message(FATAL_ERROR "${path}: ${lf} line ends, of which ${crlf} CR LF")
  endif()
endfunction()

foreach(zip IN LISTS zips)
  zip_contents("${OUT_DIR}/${zip}" files)
  message(STATUS "${zip}: ${files}")
  string(REGEX REPLACE "\\.zip$" "" folder "${zip}")
  if(zip MATCHES "-simulator-test\\.zip$")
    set(names INSTALL.txt RFWIN32.dll SIMULATOR.txt faxlist.exe faxlist.html faxsim.exe faxsim.html
              inkstamp-task.bat inkstamp.exe inkstamp.html)
  elseif(zip MATCHES "^inkstamp-[0-9.]+-win(32|64)\\.zip$")
    set(names INSTALL.txt faxlist.exe faxlist.html inkstamp-task.bat inkstamp.exe inkstamp.html)
  else()
    message(FATAL_ERROR "unexpected archive ${zip}")
  endif()
  list(TRANSFORM names PREPEND "${folder}/")
  list(PREPEND names "${folder}/")
  if(NOT files STREQUAL names)
    message(FATAL_ERROR "${zip} holds ${files}, expected ${names}")
  endif()

  set(unpacked "${OUT_DIR}/unpacked/${folder}")
  file(MAKE_DIRECTORY "${unpacked}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${OUT_DIR}/${zip}"
                  WORKING_DIRECTORY "${unpacked}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "can't unpack ${zip}")
  endif()
  file(GLOB texts "${unpacked}/${folder}/*.txt" "${unpacked}/${folder}/*.html"
       "${unpacked}/${folder}/*.cmd" "${unpacked}/${folder}/*.bat")
  foreach(text IN LISTS texts)
    check_windows_line_ends("${text}")
  endforeach()
  file(GLOB manuals "${unpacked}/${folder}/*.html")
  foreach(manual IN LISTS manuals)
    file(READ "${manual}" html)
    if(html MATCHES "export FAXSIM_STORE|\\$ inkstamp|\\$ faxsim")
      message(FATAL_ERROR "${manual} shows the POSIX shell's words: ${CMAKE_MATCH_0}")
    endif()
  endforeach()
  if(EXISTS "${unpacked}/${folder}/faxsim.html")
    file(READ "${unpacked}/${folder}/faxsim.html" html)
    if(NOT html MATCHES "set FAXSIM_STORE=%CD%")
      message(FATAL_ERROR "faxsim.html does not set FAXSIM_STORE as cmd.exe does")
    endif()
  endif()
endforeach()
