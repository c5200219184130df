// The run sequence of inkstamp: command line, connection, server and user,
// marking pass, disconnection, and the exit status.
#include "inkstamp/mark_program.h"

int MarkProgram::run(int argc, char** argv) {
  RunRequest request;
  CommandLineOutcome outcome = readCommandLine(argc, argv, &request);
  if (outcome != CommandLineOutcome::kComplete) {
    printRefusal(outcome, printUsage);
    fflush(output);
    return kExitUsage;
  }
  int status = startUserSession(request.host, request.user, output);
  if (status != kExitRan)
    return status;
  sortOrder = request.sortOrder;
  mainFolderOnly = request.mainFolderOnly;
  markFaxes(request.directions, request.marks, argv + request.firstPattern);
  endUserSession(output);
  return kExitRan;
}
