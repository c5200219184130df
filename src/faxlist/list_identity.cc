// faxlist's identity. Its release is the project's version and its build
// stamp the day of that version, both set in the top-level CMakeLists.txt
// (INKSTAMP_VERSION, INKSTAMP_BUILD_STAMP): builds are reproducible, so the
// stamp can't be the day of the build.
#include "faxlist/list_identity.h"

#include "faxlist/list_command_line.h"

namespace {

// Found in the binary by what(1)-style tools.
const char kReleaseIdentification[] = "@(#)Release: " INKSTAMP_VERSION;
const char kBuildIdentification[] = "@(#)" INKSTAMP_BUILD_STAMP;

}  // namespace

const ProgramIdentity kFaxListIdentity = {
    "FaxList - List faxes on a RightFax server",
    kReleaseIdentification,
    kBuildIdentification,
    "List the RightFax user's faxes that inkstamp would mark, marking none.",
    printListUsage,
};
