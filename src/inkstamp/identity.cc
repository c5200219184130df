// inkstamp's identity. Its release and build stamp are those of the program
// that scripts and identification tools have always known, fixed here rather
// than taken from the project's version.
#include "inkstamp/identity.h"

#include "inkstamp/command_line.h"

namespace {

// Found in the binary by what(1)-style tools.
const char kReleaseIdentification[] = "@(#)Release: 1.0";
const char kBuildIdentification[] = "@(#)Built: Dec  6 2008";

}  // namespace

const ProgramIdentity kInkStampIdentity = {
    "InkStamp - Mark faxes on a RightFax server",
    kReleaseIdentification,
    kBuildIdentification,
    "Mark a RightFax user's faxes as printed/unprinted, viewed/unviewed, etc.",
    printUsage,
};
