// The command line of faxlist: inkstamp's options for the server, the user
// and the selection, read by the same loop with the same rules, without the
// marking options, plus -o for a CSV file. Fax-IDs are optional: without
// them every fax is listed.
#ifndef INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_
#define INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_

#include <stdio.h>

#include "inkstamp/command_line.h"

// Everything faxlist's command line asks for.
struct ListRequest : SelectionRequest {
  // The CSV file to write (-o, the last one given wins), or null.
  const char* csvPath = nullptr;
};

// Reads `argv[1]` to `argv[argc - 1]` into `request` and checks it: kUsage,
// kMissingHost, kMissingUser or kComplete.
CommandLineOutcome readListCommandLine(int argc, char** argv, ListRequest* request);

// Prints faxlist's usage text on `stream`, without flushing.
void printListUsage(FILE* stream);

#endif  // INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_
