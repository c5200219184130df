// The command line of inkstamp: the run request, the checks that it is
// complete, and the usage text. The option loop and the options that choose
// the server, the user and the faxes are shared (shared_options.h); the
// marking options are in mark_set.h, and a preview reaches them through
// mark_options.h. Reading the command line prints nothing; the caller prints
// what the outcome asks for.
#ifndef INKSTAMP_INKSTAMP_COMMAND_LINE_H_
#define INKSTAMP_INKSTAMP_COMMAND_LINE_H_

#include <stdio.h>

#include "inkstamp/mark_set.h"
#include "inkstamp/shared_options.h"

// Everything inkstamp's command line asks for.
struct RunRequest : SelectionRequest {
  MarkSet marks = 0;
};

// Reads inkstamp's `argv[1]` to `argv[argc - 1]` into `request` and checks it. On
// kComplete the direction filter is never 0, at least one mark is asked for
// and `request->firstPattern` names the first of at least one pattern.
CommandLineOutcome readCommandLine(int argc, char** argv, RunRequest* request);

// Prints the usage text on `stream`, without flushing.
void printUsage(FILE* stream);

#endif  // INKSTAMP_INKSTAMP_COMMAND_LINE_H_
