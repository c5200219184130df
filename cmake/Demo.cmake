# The `demo` target: builds every program that `cmake --install` installs
# (cmake/Install.cmake), so that the install line that follows the demo in the
# README finds them all, then runs cmake/RunDemo.cmake against a store inside
# the build tree.
add_custom_target(demo
  COMMAND ${CMAKE_COMMAND}
    -DFAXSIM=$<TARGET_FILE:faxsim>
    -DFAXLIST=$<TARGET_FILE:faxlist>
    -DINKSTAMP=$<TARGET_FILE:inkstamp>
    -DSTORE=${CMAKE_BINARY_DIR}/demo/store.db
    -P ${PROJECT_SOURCE_DIR}/cmake/RunDemo.cmake
  DEPENDS ${inkstamp_installed_programs} rfwin32
  USES_TERMINAL
  COMMENT "Running the demo on a fresh simulated server")
