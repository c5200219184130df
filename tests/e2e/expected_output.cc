// The banner, version line and usage text of inkstamp, byte for byte.
#include "e2e/expected_output.h"

namespace e2e {

const char kDefaultApiVersionText[] = "12/06/2008 00:00:00Z";

std::string banner() {
  return "InkStamp - Mark faxes on a RightFax server\n"
         "Version 1.0 [Built: Dec  6 2008]\n"
         "\n"
         "Mark a RightFax user's faxes as printed/unprinted, viewed/unviewed, etc.\n"
         "\n";
}

std::string outputHead(std::string_view apiVersionText) {
  return banner() + "RightFax API version: " + std::string(apiVersionText) + "\n";
}

std::string usage() {
  return "usage:  inkstamp [-option...] fax-ID...\n"
         "\n"
         "Options:\n"
         "    -a          Mark faxes in all folders, not just \"main\".\n"
         "    -s host     RightFax server host name or IP address (required).\n"
         "    -R          Mark only received faxes.\n"
         "    -S          Mark only sent faxes.\n"
         "    -t          Sort the faxes by date.\n"
         "    -tr         Sort the faxes by date in reverse order.\n"
         "    -u user     Owner user-ID/in-box for faxes to mark (required).\n"
         "    -ma         Mark faxes as approved.\n"
         "    -na         Mark faxes as not approved.\n"
         "    -mb         Mark faxes as body printed.\n"
         "    -mp         Mark faxes as printed.\n"
         "    -np         Mark faxes as not printed.\n"
         "    -mr         Mark faxes as released for preview.\n"
         "    -nr         Mark faxes as held for preview.\n"
         "    -mv         Mark faxes as viewed.\n"
         "    -nv         Mark faxes as not viewed.\n"
         "    -m1         Mark faxes as user-1 tag on.\n"
         "    -n1         Mark faxes as user-1 tag off.\n"
         "    -m2         Mark faxes as user-2 tag on.\n"
         "    -n2         Mark faxes as user-2 tag off.\n"
         "\n"
         "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n"
         "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n"
         "characters.  Conflicting marking options cannot be specified.\n"
         "\n";
}

}  // namespace e2e
