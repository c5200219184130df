# What `cmake --install` puts under its prefix on POSIX systems: the programs
# in bin, the simulator library librfwin32.so in lib, where inkstamp finds it
# from wherever the tree is installed or moved, and each program's manual
# page. (The Windows archives have install rules of their own,
# cmake/Packaging.cmake.)
#
# A new program is installed by adding its target to this list; its manual
# page is doc/<target>.1.in (configured by cmake/Manuals.cmake). The demo builds
# every program of the list (cmake/Demo.cmake), so that the install that
# follows it finds them all.
set(inkstamp_installed_programs
  inkstamp
  faxlist
  faxsim
)

include(GNUInstallDirs)
# The library's place relative to the programs' ("../lib"), for the RPATH.
file(RELATIVE_PATH inkstamp_lib_from_bin
  "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_LIBDIR}")
foreach(program IN LISTS inkstamp_installed_programs)
  set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN/${inkstamp_lib_from_bin}")
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${INKSTAMP_MANUAL_DIR}/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(TARGETS rfwin32 LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

# `cmake --build <build> --target uninstall` removes what the last
# `cmake --install` of this build folder installed (cmake/Uninstall.cmake).
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the files that the last install from ${CMAKE_BINARY_DIR} put there")
