// Whether a program's arguments reached it exactly as typed. On Windows a
// console program receives its arguments converted from the wide command line
// to the ANSI code page, and a character that the code page lacks arrives
// changed without a word: as a look-alike ("Ωx" as "Ox") or as '?'. In a
// fax-ID pattern '?' is a wildcard, and in a user ID a look-alike names
// someone else. Windows' runtime converts the whole command line before it
// splits it, so a look-alike of a quote or a space (U+FF02 becomes '"') even
// moves the boundaries between arguments, the program's own name included.
// A program therefore refuses a command line whose vector differs in any way
// from the wide one before reading any option. POSIX programs receive their
// arguments' bytes unchanged.
#ifndef INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_
#define INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_

#include <stdio.h>

// The first place where the vector a program received differs from the
// vector that was typed.
struct ArgumentDifference {
  enum class Kind {
    kNone,             // the same arguments, byte for byte
    kUnrepresentable,  // typed argument `position` has a character the code page lacks
    kSplit,            // argument `position` differs, or one vector ends there
  };
  Kind kind = Kind::kNone;
  int position = 0;  // 0 is the program's name
};

// Compares the `receivedCount` arguments a program received with the
// `typedCount` typed ones, each converted to the code page without
// look-alikes: typed[i] is nullptr where the code page can't hold argument i.
ArgumentDifference compareArguments(int receivedCount, const char* const* received, int typedCount,
                                    const char* const* typed);

// The one line that names `difference` in `codePage`, on `stream`, after
// `prefix` (the program's name for a tool that starts its messages so).
void printArgumentDifference(FILE* stream, ArgumentDifference difference, unsigned codePage,
                             const char* prefix = "");

#if defined(_WIN32)
// True when the runtime's `argc` and `argv` are exactly the wide command line
// split and converted to the ANSI code page without look-alikes. Otherwise
// prints one line on `stream` naming the first difference and returns false.
bool argumentsAsTyped(int argc, const char* const* argv, FILE* stream, const char* prefix = "");
#else
inline bool argumentsAsTyped(int, const char* const*, FILE*, const char* = "") {
  return true;
}
#endif

#endif  // INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_
