// What faxlist says about a command that inkstamp would take without a word:
// options written after the patterns, which inkstamp takes as patterns;
// patterns in single quotes, which cmd.exe passes on with the quotes; and how
// many faxes each pattern selected, so that one that selects nothing shows.
// Each warning goes to standard output with the listing and to standard error
// as well, so that a script that keeps only the listing can't miss it.
#ifndef INKSTAMP_FAXLIST_COMMAND_NOTES_H_
#define INKSTAMP_FAXLIST_COMMAND_NOTES_H_

#include <stdint.h>
#include <stdio.h>

#include "faxlist/list_command_line.h"

// Warns on `output` and `errors` of each argument from
// `argv[request.firstPattern]` on that is an option of inkstamp or faxlist,
// and of each such argument that begins and ends with a single quote.
void printCommandWarnings(FILE* output, FILE* errors, const ListRequest& request, char** argv);

// Prints on `output` one line for each of `patterns` (null-terminated) with
// `counts`, its count of selected faxes, and warns on `errors` as well of
// each pattern that selected none.
void printPatternCounts(FILE* output, FILE* errors, char** patterns, const int32_t* counts);

#endif  // INKSTAMP_FAXLIST_COMMAND_NOTES_H_
