// The floor of a marking run: exactly the client-library calls that inkstamp
// makes for one run, in its order and with its arguments, and nothing else
// (no command line, no messages, no pattern matching, no copies of texts).
// Benchmarks compare the program against it to show what the program's own
// logic costs.
#ifndef INKSTAMP_BENCH_MARKING_FLOOR_H_
#define INKSTAMP_BENCH_MARKING_FLOOR_H_

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <vector>

#include "faxclient/faxclient.h"

struct FloorRequest {
  const char* host = "faxsrv";
  const char* userId = "alice";
  // Faxes whose handle is at most this are marked: the selection that a
  // pattern makes, without matching.
  uint32_t lastHandle = UINT32_MAX;
  // Mark codes in the order they are sent to each fax.
  std::vector<uint16_t> markCodes;
  // When set, each selected fax gets the program's progress and closing
  // lines here, flushed as the program flushes them: the cost of the output
  // that the program must make, without the rest of its logic.
  FILE* progress = nullptr;
};

struct FloorCounts {
  int64_t walked = 0;
  int64_t marked = 0;  // loaded, with every mark applied
};

// Connects, checks the release, reads the server information twice and the
// user, fetches the user's main-folder list, loads and marks each selected
// fax, and closes the list and the server. False when the run could not get
// as far as the list.
bool runMarkingFloor(const FloorRequest& request, FloorCounts* counts);

#endif  // INKSTAMP_BENCH_MARKING_FLOOR_H_
