// faxlist's own option and its usage text; the loop is inkstamp's.
#include "faxlist/list_command_line.h"

#include <string.h>

namespace {

bool readCsvOption(int argc, char** argv, int* index, SelectionRequest* request) {
  if (strcmp(argv[*index], "-o") != 0)
    return false;
  if (!takeOptionValue(argc, argv, index, &static_cast<ListRequest*>(request)->csvPath))
    return false;
  ++*index;
  return true;
}

}  // namespace

CommandLineOutcome readListCommandLine(int argc, char** argv, ListRequest* request) {
  *request = ListRequest();
  return readSharedOptions(argc, argv, request, readCsvOption);
}

void printListUsage(FILE* stream) {
  printSharedUsage(stream, "faxlist", "[fax-ID...]", "List", "list");
  fprintf(stream,
          "    -o file     Also write the list to a CSV file, replaced only once complete.\n");
  fprintf(stream, "    -?, -help   Show this text.\n");
  fprintf(stream, "\n");
  fprintf(stream, "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n");
  fprintf(stream, "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n");
  fprintf(stream, "characters.  Without fax-IDs every fax is listed.  Nothing is marked: the\n");
  fprintf(stream, "same options given to inkstamp mark exactly the faxes listed.\n");
  fprintf(stream, "\n");
  fprintf(stream, "Exit status: 0 listed, 1 no connection, 2 no server info, 3 no such user,\n");
  fprintf(stream, "4 the CSV file not written, 255 this text.\n");
  fprintf(stream, "\n");
}
