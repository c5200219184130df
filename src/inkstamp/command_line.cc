// inkstamp's command line: the marking options on the shared option loop,
// the checks that a run request is complete, and the usage text.
#include "inkstamp/command_line.h"

#include <stdio.h>

namespace {

// Takes a marking option into the request's mark set.
OptionTake readMarkOption(int /*argc*/, char** argv, int* index, SelectionRequest* request) {
  OptionTake take = takeMarkOption(argv[*index], &static_cast<RunRequest*>(request)->marks);
  if (take == OptionTake::kTaken)
    ++*index;
  return take;
}

}  // namespace

CommandLineOutcome readCommandLine(int argc, char** argv, RunRequest* request) {
  *request = RunRequest();
  CommandLineOutcome outcome = readSharedOptions(argc, argv, request, readMarkOption);
  if (outcome != CommandLineOutcome::kComplete)
    return outcome;
  if (request->marks == 0)
    return CommandLineOutcome::kMissingMarks;
  if (request->firstPattern >= argc || argv[request->firstPattern] == nullptr)
    return CommandLineOutcome::kMissingPatterns;
  return CommandLineOutcome::kComplete;
}

void printUsage(FILE* stream) {
  printSharedUsage(stream, "inkstamp", "fax-ID...", "Mark", "mark");
  static const char* const kMarkOptionLines[] = {
      "    -ma         Mark faxes as approved.\n",
      "    -na         Mark faxes as not approved.\n",
      "    -mb         Mark faxes as body printed.\n",
      "    -mp         Mark faxes as printed.\n",
      "    -np         Mark faxes as not printed.\n",
      "    -mr         Mark faxes as released for preview.\n",
      "    -nr         Mark faxes as held for preview.\n",
      "    -mv         Mark faxes as viewed.\n",
      "    -nv         Mark faxes as not viewed.\n",
      "    -m1         Mark faxes as user-1 tag on.\n",
      "    -n1         Mark faxes as user-1 tag off.\n",
      "    -m2         Mark faxes as user-2 tag on.\n",
      "    -n2         Mark faxes as user-2 tag off.\n",
  };
  for (const char* line : kMarkOptionLines)
    fputs(line, stream);
  fprintf(stream, "\n");
  fprintf(stream, "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n");
  fprintf(stream, "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n");
  fprintf(stream, "characters.  Conflicting marking options cannot be specified.\n");
  fprintf(stream, "\n");
}
