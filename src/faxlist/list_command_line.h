// The command line of faxlist: inkstamp's command line, read by the same loop
// with the same rules, plus -o for a CSV file. The marking options are taken
// and checked as inkstamp takes them, and named, never sent; with one of them
// the fax-IDs are required as inkstamp requires them, so that a preview
// never passes a command line that inkstamp would refuse. Without marking
// options fax-IDs are optional: without them every fax is listed.
#ifndef INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_
#define INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_

#include <stdio.h>

#include "inkstamp/mark_options.h"
#include "inkstamp/shared_options.h"

// Everything faxlist's command line asks for.
struct ListRequest : SelectionRequest {
  // The CSV file to write (-o, the last one given wins), or null.
  const char* csvPath = nullptr;
  // The last -o ended the command line without a file name: a name left
  // out, which is refused as a file that can't be written.
  bool csvNameMissing = false;
  // The marks that inkstamp would send.
  MarkOptions marks;
};

// Reads `argv[1]` to `argv[argc - 1]` into `request` and checks it: kUsage
// (with where and why in `request->refusal`), kMissingHost, kMissingUser,
// kMissingPatterns (marking options without a fax-ID) or kComplete.
CommandLineOutcome readListCommandLine(int argc, char** argv, ListRequest* request);

// How faxlist's option loop takes `argument` as the only argument: kHelp,
// kTaken for any of its options (inkstamp's and -o), kNoValue for -s and -u,
// kUnknown for no option.
OptionTake takeListOptionAlone(const char* argument);

// Prints faxlist's usage text on `stream`, without flushing.
void printListUsage(FILE* stream);

#endif  // INKSTAMP_FAXLIST_LIST_COMMAND_LINE_H_
