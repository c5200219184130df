// The banner, version line, usage text and session lines of inkstamp, byte
// for byte.
#include "support/expected_output.h"

namespace support {

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

std::string connectedAtFirstTry(std::string_view host) {
  const std::string h(host);
  return "Server: " + h + "\nConnecting to RightFax server: " + h +
         "\nConnect(1) to RightFax server: " + h + "\nConnected to RightFax server:  " + h + "\n";
}

std::string failedTries(std::string_view host, std::string_view failure, int first, int last) {
  const std::string h(host);
  std::string text;
  for (int tryNumber = first; tryNumber <= last; ++tryNumber) {
    text += "Connect(" + std::to_string(tryNumber) + ") to RightFax server: " + h + "\n";
    text += "Connect failed to RightFax server: " + h + ", " + std::string(failure) + "\n";
  }
  return text;
}

std::string sessionHead(std::string_view host, std::string_view description,
                        std::string_view user) {
  return connectedAtFirstTry(host) + "\nRightFax server: " + std::string(host) + ", " +
         std::string(description) + "\n\nRetrieving user info...\nUser: " + std::string(user) +
         "\n\n";
}

std::string sessionTail(std::string_view host, std::string_view description) {
  return "\nDisconnect from RightFax server: " + std::string(host) + ", " +
         std::string(description) + "\nDisconnected\n";
}

std::string refusedReleaseTail(std::string_view host) {
  return "Incompatible RightFax server release, need 5.20\n"
         "Disconnect from RightFax server: " +
         std::string(host) + ", -\nDisconnected\n";
}

std::string markedInTurn(std::initializer_list<std::string_view> faxIds) {
  std::string text;
  int ordinal = 0;
  for (std::string_view faxId : faxIds) {
    std::string number = std::to_string(++ordinal);
    text += number + "/" + number + " " + std::string(faxId) + "\n  -> marked\n";
  }
  return text;
}

std::string markingPass(std::string_view progress, std::string_view summary, bool sorted) {
  std::string text = "Retrieving fax list...\n";
  if (sorted)
    text += "Sorting fax list by date...\n";
  text += "\n";
  if (!progress.empty())
    text += std::string(progress) + "\n";
  return text + std::string(summary);
}

}  // namespace support
