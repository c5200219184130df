# The demo: a fresh simulated server in the build tree, a preview with faxlist
# of what the marking run selects, the marking run of inkstamp, and the user's
# faxes before and after. Run by the `demo` target (cmake --workflow --preset
# demo) with FAXSIM, FAXLIST, INKSTAMP and STORE set.
# It never touches the user's default store: every command names STORE.

function(demo_step title)
  list(JOIN ARGN " " shown)
  message("\n==> ${title}\n$ ${shown}\n")
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "demo: the command above failed (${status})")
  endif()
endfunction()

file(REMOVE "${STORE}" "${STORE}-wal" "${STORE}-shm" "${STORE}.trace")
set(ENV{FAXSIM_STORE} "${STORE}")
set(ENV{FAXSIM_TRACE} "${STORE}.trace")

demo_step("A fresh demo server" "${FAXSIM}" --store "${STORE}" demo)
demo_step("ALICE's faxes before the run" "${FAXSIM}" --store "${STORE}" list-faxes faxsrv alice)
demo_step("Preview: the marking command below with faxlist in place of inkstamp"
  "${FAXLIST}" -s faxsrv -u alice -R -t -mp -mv "APP*")
demo_step("Mark her received APP faxes in the main folder printed and viewed, oldest first"
  "${INKSTAMP}" -s faxsrv -u alice -R -t -mp -mv "APP*")
demo_step("ALICE's faxes after the run" "${FAXSIM}" --store "${STORE}" list-faxes faxsrv alice)
message("\nThe store is ${STORE}; every client-library call of the run is in ${STORE}.trace.")
