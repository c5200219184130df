// The run sequence of inkstamp: command line, connection, server and user,
// marking pass, disconnection, and the exit status.
//
// Some lines go out with printf and others on `output`: both are standard
// output, and which stream a line takes, like each flush, is what the program
// has always done. A flush ends each message group and comes before each slow
// server call, so that whoever watches a run sees where it is waiting. Keep
// both as they are: output is compared byte for byte, and a "tidied" stream
// or flush changes what a piped or interrupted run shows.
#include "inkstamp/mark_program.h"

int MarkProgram::run(int argc, char** argv) {
  RunRequest request;
  CommandLineOutcome outcome = readCommandLine(argc, argv, &request);
  if (outcome != CommandLineOutcome::kComplete)
    return refuseCommandLine(outcome, printUsage, output);
  int status = startUserSession(request.host, request.user, output);
  if (status != kExitRan)
    return status;
  sortOrder = request.sortOrder;
  mainFolderOnly = request.mainFolderOnly;
  markFaxes(request.directions, request.marks, argv + request.firstPattern);
  endUserSession(output);
  return kExitRan;
}
