// The run sequence of inkstamp: command line, connection, server and user,
// marking pass, disconnection, and the exit status.
#include "inkstamp/mark_program.h"

namespace {

enum ExitStatus : int {
  kExitMarked = 0,
  kExitNoConnection = 1,
  kExitNoServerInfo = 2,
  kExitNoUser = 3,
  kExitUsage = 255,
};

}  // namespace

int MarkProgram::run(int argc, char** argv) {
  RunRequest request;
  CommandLineOutcome outcome = readCommandLine(argc, argv, &request);
  if (outcome != CommandLineOutcome::kComplete)
    return refuseRequest(outcome);
  return runRequest(request, argv);
}

int MarkProgram::refuseCommandLine() {
  printf("\n");
  return refuseRequest(CommandLineOutcome::kUsage);
}

int MarkProgram::refuseRequest(CommandLineOutcome outcome) {
  if (outcome == CommandLineOutcome::kMissingHost) {
    printf("\n");
  } else if (const char* message = missingOptionMessage(outcome)) {
    printf("%s", message);
    printf("\n");
  }
  printUsage(stdout);
  fflush(output);
  return kExitUsage;
}

int MarkProgram::runRequest(const RunRequest& request, char** argv) {
  printf("Server: %s\n", request.host);
  fflush(output);
  // connect() has said why; after a refused release the entry point
  // disconnects.
  if (!connect(request.host))
    return kExitNoConnection;
  printf("\n");
  fflush(output);

  int status = kExitMarked;
  if (!loadServerInfo()) {
    printf("Can't retrieve server info: %s\n", request.host);
    fflush(stdout);
    status = kExitNoServerInfo;
  } else {
    printf("RightFax server: %s, %s\n", serverName != nullptr ? serverName : "-",
           serverDescription);
    printf("\n");
    fprintf(output, "Retrieving user info...\n");
    fflush(output);
    if (!loadUser(request.user)) {
      printf("Invalid user: \"%s\"\n", request.user);
      status = kExitNoUser;
    } else {
      printf("User: %s\\%s \"%s\"\n\n", userQualifier, userId, userName);
      sortOrder = request.sortOrder;
      mainFolderOnly = request.mainFolderOnly;
      markFaxes(request.directions, request.marks, argv + request.firstPattern);
      printf("\n");
      fflush(output);
    }
  }
  if (serverHandle != 0)
    disconnect();
  fflush(output);
  return status;
}
