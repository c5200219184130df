// faxlist's own options and its usage text; the loop and the marking rules
// are inkstamp's.
#include "faxlist/list_command_line.h"

#include <string.h>

#include "faxclient/client_values.h"

namespace {

// Takes -o with its file name, or one of inkstamp's marking options.
OptionTake readListOption(int argc, char** argv, int* index, SelectionRequest* selection) {
  ListRequest* request = static_cast<ListRequest*>(selection);
  if (strcmp(argv[*index], "-o") == 0) {
    // A trailing -o is a forgotten file name, which faxlist reports as
    // such rather than as a usage error.
    request->csvNameMissing = !takeOptionValue(argc, argv, index, &request->csvPath);
    if (request->csvNameMissing)
      request->csvPath = nullptr;
  } else {
    OptionTake take = request->marks.take(argv[*index]);
    if (take != OptionTake::kTaken)
      return take;
  }
  ++*index;
  return OptionTake::kTaken;
}

// The marking options on one line, in the order in which inkstamp sends
// their marks.
void printMarkOptionNames(FILE* stream) {
  const char* separator = "    ";
  for (const faxclient::MarkOption& named : faxclient::kMarkOptions) {
    fprintf(stream, "%s%s", separator, named.option);
    separator = ", ";
  }
  fprintf(stream, "\n");
}

}  // namespace

CommandLineOutcome readListCommandLine(int argc, char** argv, ListRequest* request) {
  *request = ListRequest();
  CommandLineOutcome outcome = readSharedOptions(argc, argv, request, readListOption);
  if (outcome == CommandLineOutcome::kComplete && request->marks.any() &&
      (request->firstPattern >= argc || argv[request->firstPattern] == nullptr))
    return CommandLineOutcome::kMissingPatterns;
  return outcome;
}

OptionTake takeListOptionAlone(const char* argument) {
  ListRequest scratch;
  return takeAlone(argument, readListOption, &scratch);
}

void printListUsage(FILE* stream) {
  printSharedUsage(stream, "faxlist", "[fax-ID...]", "List", "list");
  fprintf(stream,
          "    -o file     Also write the list to a CSV file, replaced only once complete.\n");
  fprintf(stream, "    -?, -help   Show this text.\n");
  fprintf(stream, "\n");
  fprintf(stream, "inkstamp's marking options, checked as inkstamp checks them, never sent:\n");
  printMarkOptionNames(stream);
  fprintf(stream, "\n");
  fprintf(stream, "To preview an inkstamp command, run it with faxlist in place of inkstamp:\n");
  fprintf(stream, "it lists the faxes that the command would mark, in that order, and names\n");
  fprintf(stream, "the marks it would send; it marks nothing.\n");
  fprintf(stream, "\n");
  fprintf(stream, "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n");
  fprintf(stream, "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n");
  fprintf(stream, "characters.  Without marking options fax-IDs may be left out, and every fax\n");
  fprintf(stream, "is listed.\n");
  fprintf(stream, "\n");
  fprintf(stream, "Exit status: 0 listed, 1 no connection, 2 no server info, 3 no such user,\n");
  fprintf(stream, "4 the CSV file not written, 255 this text.\n");
  fprintf(stream, "\n");
}
