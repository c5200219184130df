# The `demo` target: builds the program and the simulator, then runs
# cmake/RunDemo.cmake against a store inside the build tree.
add_custom_target(demo
  COMMAND ${CMAKE_COMMAND}
    -DFAXSIM=$<TARGET_FILE:faxsim>
    -DINKSTAMP=$<TARGET_FILE:inkstamp>
    -DSTORE=${CMAKE_BINARY_DIR}/demo/store.db
    -P ${PROJECT_SOURCE_DIR}/cmake/RunDemo.cmake
  DEPENDS faxsim inkstamp rfwin32
  USES_TERMINAL
  COMMENT "Running the demo on a fresh simulated server")
