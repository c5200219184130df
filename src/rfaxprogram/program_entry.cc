// The banner that every program on the session opens with.
#include "rfaxprogram/program_entry.h"

#include <stdio.h>

namespace {

const size_t kMarkerLength = sizeof("@(#)") - 1;
const size_t kReleasePrefixLength = sizeof("@(#)Release: ") - 1;

}  // namespace

void printBanner(const char* title, const char* releaseIdentification,
                 const char* buildIdentification, const char* purpose) {
  printf("%s\n", title);
  printf("Version %s [%s]\n", releaseIdentification + kReleasePrefixLength,
         buildIdentification + kMarkerLength);
  printf("\n");
  printf("%s\n", purpose);
  printf("\n");
  fflush(stdout);
}
