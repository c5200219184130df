// Why a command line is refused, in one line, for the preview: inkstamp
// itself prints only its usage text, and a preview is where a user can learn
// what is wrong before marks are made. The reason is read from what the
// option loop recorded when it stopped, never from a second reading of the
// command line.
#ifndef INKSTAMP_FAXLIST_REFUSAL_REASON_H_
#define INKSTAMP_FAXLIST_REFUSAL_REASON_H_

#include <stdio.h>

#include "faxlist/list_command_line.h"

// Prints "faxlist: inkstamp would refuse this command: " and the reason for
// `outcome`, which readListCommandLine gave for `argv` into `request`, on
// `stream`. Prints nothing for a command line that is not refused or that
// asks for help.
void printRefusalReason(FILE* stream, CommandLineOutcome outcome, const ListRequest& request,
                        char** argv);

// Refuses the command line: its reason, then what inkstamp prints before its
// usage text, then faxlist's usage text; flushes `output` and returns the
// exit status of a usage error.
int refuseListCommandLine(CommandLineOutcome outcome, const ListRequest& request, char** argv,
                          FILE* output);

#endif  // INKSTAMP_FAXLIST_REFUSAL_REASON_H_
