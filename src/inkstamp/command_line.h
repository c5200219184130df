// The command line of inkstamp: the marking options and their rules, the
// checks that a run request is complete, and the usage text. The option loop
// and the options that choose the server, the user and the faxes are shared
// (shared_options.h); a preview reaches the marking options through
// mark_options.h. Reading the command line prints nothing; the caller prints
// what the outcome asks for.
#ifndef INKSTAMP_INKSTAMP_COMMAND_LINE_H_
#define INKSTAMP_INKSTAMP_COMMAND_LINE_H_

#include <stdint.h>
#include <stdio.h>

#include "inkstamp/shared_options.h"

// The requested mark operations, one bit per marking option.
using MarkSet = uint32_t;
// The code that InkStampFax takes for one mark.
using MarkCode = uint16_t;

enum : MarkSet {
  kMarkPrinted = 0x0001,      // -mp
  kMarkNotPrinted = 0x0002,   // -np
  kMarkViewed = 0x0004,       // -mv
  kMarkNotViewed = 0x0008,    // -nv
  kMarkApproved = 0x0010,     // -ma
  kMarkNotApproved = 0x0020,  // -na
  kMarkReleased = 0x0040,     // -mr
  kMarkHeld = 0x0080,         // -nr
  kMarkBodyPrinted = 0x0100,  // -mb
  kMarkUser1On = 0x0400,      // -m1
  kMarkUser1Off = 0x0800,     // -n1
  kMarkUser2On = 0x1000,      // -m2
  kMarkUser2Off = 0x2000,     // -n2
};

// Everything inkstamp's command line asks for.
struct RunRequest : SelectionRequest {
  MarkSet marks = 0;
};

// Takes the marking option `argument` into `marks`. False when it is no
// marking option or one that a mark already in `marks` excludes.
bool takeMarkOption(const char* argument, MarkSet* marks);

// Reads inkstamp's `argv[1]` to `argv[argc - 1]` into `request` and checks it. On
// kComplete the direction filter is never 0, at least one mark is asked for
// and `request->firstPattern` names the first of at least one pattern.
CommandLineOutcome readCommandLine(int argc, char** argv, RunRequest* request);

// The message that names what a request lacks, or null when the outcome
// has none.
const char* missingOptionMessage(CommandLineOutcome outcome);

// Prints the usage text on `stream`, without flushing.
void printUsage(FILE* stream);

#endif  // INKSTAMP_INKSTAMP_COMMAND_LINE_H_
