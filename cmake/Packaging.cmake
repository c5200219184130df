# The Windows packages, made with `cpack` (or `cmake --workflow --preset
# mingw-i686`) in a cross build. Each ZIP unpacks into one folder named after
# it and holds the manual pages of its programs as HTML, beside a text that
# points to them; text files have Windows line ends, for Notepad's sake. No
# developer document goes in: an administrator on Windows has no use for
# build instructions.
#
#   inkstamp-<version>-<win32|win64>.zip
#       What an administrator installs beside the vendor's RFWIN32.dll:
#       inkstamp.exe, faxlist.exe, the batch file for scheduled tasks,
#       INSTALL.txt, inkstamp.html and faxlist.html. Never our simulator DLL.
#   inkstamp-<version>-<win32|win64>-simulator-test.zip
#       For trying the programs without a fax server: the same programs,
#       batch file and INSTALL.txt (the only text about the batch file) with
#       the simulator's RFWIN32.dll and its faxsim.exe, SIMULATOR.txt and the
#       three manual pages. Not for a server's machine:
#       its RFWIN32.dll would shadow the vendor's.
#
# Each archive is one component, installed into the folder that the archive
# unpacks into (cmake/PackageNames.cmake); the install rules of the rest of
# the tree (the POSIX layout) are left out of both.

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(inkstamp_package_system win32)
else()
  set(inkstamp_package_system win64)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/PackageNames.cmake)
inkstamp_package_names(${inkstamp_package_system} inkstamp_package_name inkstamp_simulator_package_name)

# Text files in the archives get Windows line ends.
function(inkstamp_windows_text source destination_name out_path)
  set(out "${CMAKE_BINARY_DIR}/packaging/${destination_name}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
  file(READ "${source}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  # file(CONFIGURE) writes its own line ends, LF unless told otherwise.
  file(CONFIGURE OUTPUT "${out}" CONTENT "${text}" @ONLY NEWLINE_STYLE CRLF)
  set(${out_path} "${out}" PARENT_SCOPE)
endfunction()

inkstamp_windows_text(${PROJECT_SOURCE_DIR}/packaging/INSTALL-windows.txt INSTALL.txt install_note)
inkstamp_windows_text(${PROJECT_SOURCE_DIR}/packaging/SIMULATOR-windows.txt SIMULATOR.txt
                      simulator_note)
# cmd.exe misreads labels and goto in a batch file with bare LF line ends.
inkstamp_windows_text(${PROJECT_SOURCE_DIR}/packaging/inkstamp-task.bat inkstamp-task.bat
                      task_batch_file)
inkstamp_html_manuals(manuals inkstamp faxlist faxsim)
set(program_manuals ${manuals})
list(FILTER program_manuals EXCLUDE REGEX "/faxsim\\.html$")

# The program's archive. (install(TARGETS) rather than install(FILES), so
# that CPACK_STRIP_FILES applies.)
install(TARGETS inkstamp faxlist RUNTIME DESTINATION ${inkstamp_package_name} COMPONENT program)
install(FILES ${install_note} ${task_batch_file} ${program_manuals}
        DESTINATION ${inkstamp_package_name} COMPONENT program)

# The simulator test archive: a complete, runnable set. The DLL's own import
# library goes to a component that no archive holds.
install(TARGETS inkstamp faxlist faxsim rfwin32
        RUNTIME DESTINATION ${inkstamp_simulator_package_name} COMPONENT simulator_test
        ARCHIVE DESTINATION lib COMPONENT simulator_import_library)
install(FILES ${simulator_note} ${install_note} ${task_batch_file} ${manuals}
        DESTINATION ${inkstamp_simulator_package_name} COMPONENT simulator_test)

set(CPACK_PACKAGE_NAME "inkstamp")
set(CPACK_PACKAGE_VENDOR "InkStamp")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mark a fax server user's faxes as printed, viewed, approved and more")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "${inkstamp_package_name}")
set(CPACK_GENERATOR "ZIP")
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program simulator_test)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_ARCHIVE_PROGRAM_FILE_NAME "${inkstamp_package_name}")
set(CPACK_ARCHIVE_SIMULATOR_TEST_FILE_NAME "${inkstamp_simulator_package_name}")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_STRIP_FILES ON)
# Reproducible archives (see CPackReproducible.cmake), each with a SHA-256
# file beside it for a site to check what it received.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackReproducible.cmake)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
cpack_add_component(program DISPLAY_NAME "inkstamp" REQUIRED)
cpack_add_component(simulator_test DISPLAY_NAME "inkstamp with the simulated fax server (testing only)"
                    DISABLED)
