// marking_floor: the client calls of one inkstamp run and nothing else, as a
// program of its own, so that its peak memory can be set beside inkstamp's.
//   marking_floor HOST USER LAST-HANDLE MARK-CODE...
// marks the faxes whose handle is at most LAST-HANDLE with each MARK-CODE in
// order, against the store that FAXSIM_STORE names.
#include <stdio.h>
#include <stdlib.h>

#include "marking_floor.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: marking_floor HOST USER LAST-HANDLE MARK-CODE...\n");
    return 2;
  }
  FloorRequest request;
  request.host = argv[1];
  request.userId = argv[2];
  request.lastHandle = static_cast<uint32_t>(strtoul(argv[3], nullptr, 10));
  for (int i = 4; i < argc; ++i)
    request.markCodes.push_back(static_cast<uint16_t>(atoi(argv[i])));
  FloorCounts counts;
  if (!runMarkingFloor(request, &counts)) {
    fprintf(stderr, "marking_floor: the run did not reach the fax list\n");
    return 1;
  }
  printf("walked:%lld marked:%lld\n", static_cast<long long>(counts.walked),
         static_cast<long long>(counts.marked));
  return 0;
}
