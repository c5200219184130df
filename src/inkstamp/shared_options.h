// The command-line rules that every program on the session shares: the
// option loop, the options that choose the server, the user and the faxes,
// the checks that a request names a server and a user, the refusal of a
// command line and the start of a usage text. A program adds options of its
// own through the loop. Reading the command line prints nothing; the caller
// prints what the outcome asks for.
#ifndef INKSTAMP_INKSTAMP_SHARED_OPTIONS_H_
#define INKSTAMP_INKSTAMP_SHARED_OPTIONS_H_

#include <stdint.h>
#include <stdio.h>

// Which faxes are wanted by direction.
using DirectionFilter = uint32_t;
// How the fax list is sorted: 0 not at all, 1 by date, 2 by date reversed.
using SortOrder = int32_t;

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

// How the option loop took one argument.
enum class OptionTake {
  kTaken,     // taken, with its value when it has one
  kUnknown,   // no option of the program's
  kNoValue,   // an option that takes a value, with nothing after it
  kExcluded,  // a marking option that one taken before excludes
  kHelp,      // a help keyword
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
  // When the loop stopped with kUsage: how it took the argument at which it
  // stopped, and that argument's index, so that a preview can say why.
  OptionTake refusal = OptionTake::kTaken;
  int32_t refusedArgument = 0;
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
// it and its value when it is taken; says how it was taken.
using OwnOptionReader = OptionTake (*)(int argc, char** argv, int* index,
                                       SelectionRequest* request);

// The option loop and the checks that the programs share. From `argv[1]` on,
// while an argument begins with '-': a help keyword, in any letter case, ends
// the loop with kUsage; -a, -s, -u, -R, -S, -t and -tr are taken into
// `request`; any other option goes to `readOwnOption`, and one that it
// refuses ends the loop with kUsage. On kUsage `request->refusal` and
// `request->refusedArgument` say where and why the loop stopped. Then `request->firstPattern` is
// set, a direction filter of 0 becomes both directions, and a request without a server or a user
// gives kMissingHost or kMissingUser.
CommandLineOutcome readSharedOptions(int argc, char** argv, SelectionRequest* request,
                                     OwnOptionReader readOwnOption);

// How the loop would take `argument` on its own, as the first argument with
// nothing after it: kHelp, kTaken for an option, kNoValue for an option that
// takes a value, kUnknown for none. `scratch` is a request of the program's
// type for `readOwnOption`, overwritten.
OptionTake takeAlone(const char* argument, OwnOptionReader readOwnOption,
                     SelectionRequest* scratch);

// Takes the value of the option at `argv[*index]`: the next argument,
// whatever it holds (even "-?" or ""), moving `*index` onto it. False when
// there is none.
bool takeOptionValue(int argc, char** argv, int* index, const char** value);

// The message that names what a request lacks, or null when the outcome
// has none.
const char* missingOptionMessage(CommandLineOutcome outcome);

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

#endif  // INKSTAMP_INKSTAMP_SHARED_OPTIONS_H_
