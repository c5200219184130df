// The banner and the refusal that every program on the session shares.
#include "rfaxprogram/program_entry.h"

namespace {

const size_t kMarkerLength = sizeof("@(#)") - 1;
const size_t kReleasePrefixLength = sizeof("@(#)Release: ") - 1;

}  // namespace

void printBanner(const ProgramIdentity& identity) {
  printf("%s\n", identity.title);
  printf("Version %s [%s]\n", identity.releaseIdentification + kReleasePrefixLength,
         identity.buildIdentification + kMarkerLength);
  printf("\n");
  printf("%s\n", identity.purpose);
  printf("\n");
  fflush(stdout);
}

int refuseChangedArguments(const ProgramIdentity& identity, FILE* output) {
  printf("\n");
  identity.printUsage(stdout);
  fflush(output);
  return kExitUsage;
}
