// The program entry of inkstamp: the banner, the program object and the
// final disconnection check.
#include "inkstamp/entry.h"

#include <stdio.h>

#include <new>

#include "inkstamp/mark_program.h"
#include "rfaxprogram/argument_code_page.h"

namespace {

// Identification strings, found in the binary by what(1)-style tools.
const char kReleaseIdentification[] = "@(#)Release: 1.0";
const char kBuildIdentification[] = "@(#)Built: Dec  6 2008";

// The banner reads the identification strings through volatile pointers, so
// that the compiler can't fold them into fresh literals and drop them.
const char* volatile releaseIdentification = kReleaseIdentification;
const char* volatile buildIdentification = kBuildIdentification;

const size_t kMarkerLength = sizeof("@(#)") - 1;
const size_t kReleasePrefixLength = sizeof("@(#)Release: ") - 1;

const char kTitle[] = "InkStamp - Mark faxes on a RightFax server";

// The one program object. It is never destroyed: process exit reclaims it,
// and a pointer with static storage keeps leak checkers from calling it lost.
MarkProgram* program = nullptr;

void printBanner() {
  printf("%s\n", kTitle);
  printf("Version %s [%s]\n", releaseIdentification + kReleasePrefixLength,
         buildIdentification + kMarkerLength);
  printf("\n");
  printf("Mark a RightFax user's faxes as printed/unprinted, viewed/unviewed, etc.\n");
  printf("\n");
  fflush(stdout);
}

}  // namespace

int runInkStamp(int argc, char** argv) {
  printBanner();
  program = new (std::nothrow) MarkProgram;
  if (program == nullptr) {
    printf("Not enough memory to start.\n");
    fflush(stdout);
    return 1;
  }
  program->output = stdout;
  // Before any option is read: an argument that the code page changed could
  // select faxes, or a user, that the command line never named.
  if (!argumentsFitCodePage(stdout))
    return program->refuseCommandLine();
  int status = program->run(argc, argv);
  // run() leaves the connection open only after a refused server release.
  if (program->serverHandle != 0)
    program->disconnect();
  return status;
}
