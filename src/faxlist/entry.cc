// The program entry of faxlist: the banner, the program object and the
// final disconnection check, as inkstamp has them.
#include "faxlist/entry.h"

#include <stdio.h>

#include <new>

#include "faxlist/list_program.h"

namespace {

// Identification strings, found in the binary by what(1)-style tools. The
// banner reads them through volatile pointers, so that the compiler can't
// fold them into fresh literals and drop them.
const char kReleaseIdentification[] = "@(#)Release: 1.0";
const char kBuildIdentification[] = "@(#)Built: Dec  8 2026";
const char* volatile releaseIdentification = kReleaseIdentification;
const char* volatile buildIdentification = kBuildIdentification;

const size_t kMarkerLength = sizeof("@(#)") - 1;
const size_t kReleasePrefixLength = sizeof("@(#)Release: ") - 1;

const char kTitle[] = "FaxList - List faxes on a RightFax server";

// The one program object, never destroyed (see inkstamp's entry).
ListProgram* program = nullptr;

void printBanner() {
  printf("%s\n", kTitle);
  printf("Version %s [%s]\n", releaseIdentification + kReleasePrefixLength,
         buildIdentification + kMarkerLength);
  printf("\n");
  printf("List the RightFax user's faxes that inkstamp would mark, marking none.\n");
  printf("\n");
  fflush(stdout);
}

}  // namespace

int runFaxList(int argc, char** argv) {
  printBanner();
  program = new (std::nothrow) ListProgram;
  if (program == nullptr) {
    printf("Not enough memory to start.\n");
    fflush(stdout);
    return kExitNoConnection;
  }
  program->output = stdout;
  int status = program->run(argc, argv);
  // run() leaves the connection open only after a refused server release.
  if (program->serverHandle != 0)
    program->disconnect();
  return status;
}
