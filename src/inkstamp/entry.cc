// The program entry of inkstamp: the banner, the program object and the
// final disconnection check.
#include "inkstamp/entry.h"

#include "inkstamp/mark_program.h"
#include "rfaxprogram/program_entry.h"

namespace {

// Identification strings, found in the binary by what(1)-style tools.
const char kReleaseIdentification[] = "@(#)Release: 1.0";
const char kBuildIdentification[] = "@(#)Built: Dec  6 2008";

// The banner reads the identification strings through volatile pointers, so
// that the compiler can't fold them into fresh literals and drop them.
const char* volatile releaseIdentification = kReleaseIdentification;
const char* volatile buildIdentification = kBuildIdentification;

// The one program object, never destroyed.
MarkProgram* program = nullptr;

}  // namespace

int runInkStamp(int argc, char** argv) {
  printBanner("InkStamp - Mark faxes on a RightFax server", releaseIdentification,
              buildIdentification,
              "Mark a RightFax user's faxes as printed/unprinted, viewed/unviewed, etc.");
  return runProgramObject(program, argc, argv);
}
