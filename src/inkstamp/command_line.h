// The command line of inkstamp: the option loop that reads the arguments into
// a run request, the checks that the request is complete, and the usage
// text. The loop and the options that choose the server, the user and the
// faxes are shared with faxlist, which adds options of its own. Reading the
// command line prints nothing; the caller prints what the outcome asks for.
#ifndef INKSTAMP_INKSTAMP_COMMAND_LINE_H_
#define INKSTAMP_INKSTAMP_COMMAND_LINE_H_

#include <stdint.h>
#include <stdio.h>

// The requested mark operations, one bit per marking option.
using MarkSet = uint32_t;
// Which faxes are wanted by direction.
using DirectionFilter = uint32_t;
// The code that InkStampFax takes for one mark.
using MarkCode = uint16_t;
// How the fax list is sorted: 0 not at all, 1 by date, 2 by date reversed.
using SortOrder = int32_t;

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

enum : DirectionFilter {
  kDirectionReceived = 0x1,  // -R
  kDirectionSent = 0x2,      // -S
  kDirectionBoth = kDirectionReceived | kDirectionSent,
};

enum : SortOrder {
  kSortNone = 0,
  kSortByDate = 1,          // -t
  kSortByDateReversed = 2,  // -tr
};

// What the options that every program on the session share ask for: the
// server, the user, and which of the user's faxes in what order. The texts
// are borrowed from the argument vector.
struct SelectionRequest {
  const char* host = nullptr;
  const char* user = nullptr;
  DirectionFilter directions = 0;
  SortOrder sortOrder = kSortNone;
  bool mainFolderOnly = true;
  // Index of the first fax-ID pattern, or the argument count when none.
  int32_t firstPattern = 1;
};

// Everything inkstamp's command line asks for.
struct RunRequest : SelectionRequest {
  MarkSet marks = 0;
};

// What reading the command line came to, and so what to print before
// giving up.
enum class CommandLineOutcome {
  kComplete,         // run it
  kUsage,            // help asked for or an option refused: the usage text only
  kMissingHost,      // "\n", then the usage text
  kMissingUser,      // its message, "\n", then the usage text
  kMissingMarks,     // likewise
  kMissingPatterns,  // likewise
};

// Takes a program's own option at `argv[*index]` into `request` (the
// program's request, derived from SelectionRequest) and moves `*index` past
// it and its value. False when the option is unknown, refused or lacks its
// value.
using OwnOptionReader = bool (*)(int argc, char** argv, int* index, SelectionRequest* request);

// The option loop and the checks that the programs share. From `argv[1]` on,
// while an argument begins with '-': a help keyword, in any letter case, ends
// the loop with kUsage; -a, -s, -u, -R, -S, -t and -tr are taken into
// `request`; any other option goes to `readOwnOption`, and one that it
// refuses ends the loop with kUsage. Then `request->firstPattern` is set, a
// direction filter of 0 becomes both directions, and a request without a
// server or a user gives kMissingHost or kMissingUser.
CommandLineOutcome readSharedOptions(int argc, char** argv, SelectionRequest* request,
                                     OwnOptionReader readOwnOption);

// Takes the value of the option at `argv[*index]`: the next argument,
// whatever it holds (even "-?" or ""), moving `*index` onto it. False when
// there is none.
bool takeOptionValue(int argc, char** argv, int* index, const char** value);

// Prints what a refused command line gets before the usage text (a blank
// line when the server is missing, the message and a blank line when
// something else is), then the usage text with `printUsageText`, flushes
// `output` and returns the exit status of a usage error.
int refuseCommandLine(CommandLineOutcome outcome, void (*printUsageText)(FILE* stream),
                      FILE* output);

// Prints the start of a usage text: the usage line of `program`, which
// takes `operands`, a blank line, and under the options' heading the lines
// of the options that readSharedOptions takes, for a program that does
// `verb` to faxes ("Mark"; `lowerVerb` is "mark"). The program's name is
// given, not taken from argv[0]: the name it was started under may be a path
// or a renamed copy.
void printSharedUsage(FILE* stream, const char* program, const char* operands, const char* verb,
                      const char* lowerVerb);

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
