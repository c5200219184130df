// The program entry of faxlist: the banner, the program object and the
// final disconnection check, as inkstamp has them.
#include "faxlist/list_entry.h"

#include "faxlist/list_program.h"
#include "rfaxprogram/program_entry.h"

namespace {

// Identification strings, found in the binary by what(1)-style tools, read
// through volatile pointers so that they stay in it.
const char kReleaseIdentification[] = "@(#)Release: 1.0";
const char kBuildIdentification[] = "@(#)Built: Dec  8 2026";
const char* volatile releaseIdentification = kReleaseIdentification;
const char* volatile buildIdentification = kBuildIdentification;

// The one program object, never destroyed.
ListProgram* program = nullptr;

}  // namespace

int runFaxList(int argc, char** argv) {
  printBanner("FaxList - List faxes on a RightFax server", releaseIdentification,
              buildIdentification,
              "List the RightFax user's faxes that inkstamp would mark, marking none.");
  return runProgramObject(program, argc, argv);
}
