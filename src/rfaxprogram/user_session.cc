// The run sequence around a program's work on one user's faxes: connecting,
// showing the server and the user, and disconnecting. inkstamp and faxlist
// print the same lines and end with the same statuses here.
#include <stdio.h>

#include "rfaxprogram/fax_program.h"

int FaxProgram::startUserSession(const char* host, const char* user, FILE* output) {
  printf("Server: %s\n", host);
  fflush(output);
  // connect() has said why; after a refused release the caller disconnects.
  if (!connect(host))
    return kExitNoConnection;
  printf("\n");
  fflush(output);

  int status = kExitRan;
  if (!loadServerInfo()) {
    printf("Can't retrieve server info: %s\n", host);
    fflush(stdout);
    status = kExitNoServerInfo;
  } else {
    printf("RightFax server: %s, %s\n", serverName != nullptr ? serverName : "-",
           serverDescription);
    printf("\n");
    fprintf(output, "Retrieving user info...\n");
    fflush(output);
    if (!loadUser(user)) {
      printf("Invalid user: \"%s\"\n", user);
      status = kExitNoUser;
    } else {
      printf("User: %s\\%s \"%s\"\n\n", userQualifier, userId, userName);
      return kExitRan;
    }
  }
  if (serverHandle != 0)
    disconnect();
  fflush(output);
  return status;
}

void FaxProgram::endUserSession(FILE* output) {
  printf("\n");
  fflush(output);
  if (serverHandle != 0)
    disconnect();
  fflush(output);
}
