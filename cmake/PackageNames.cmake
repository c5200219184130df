# The names of the Windows ZIPs, each of which unpacks into a folder of the
# same name: the program's and the simulator test archive's, for `system`
# win32 or win64. The cross build's packaging and the native build's Wine
# staging, which lays the simulator test archive out, both take them from here.
function(inkstamp_package_names system program_var simulator_var)
  set(${program_var} "inkstamp-${PROJECT_VERSION}-${system}" PARENT_SCOPE)
  set(${simulator_var} "inkstamp-${PROJECT_VERSION}-${system}-simulator-test" PARENT_SCOPE)
endfunction()
