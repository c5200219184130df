// Whether a program's arguments reached it exactly as typed. On Windows a
// console program receives its arguments converted from the wide command line
// to the ANSI code page, and a character that the code page lacks arrives
// changed without a word: as a look-alike ("Ωx" as "Ox") or as '?'. In a
// fax-ID pattern '?' is a wildcard, and in a user ID a look-alike names
// someone else, so a program refuses such a command line before reading any
// option. POSIX programs receive their arguments' bytes unchanged.
#ifndef INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_
#define INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_

#include <stdio.h>

#if defined(_WIN32)
// True when every argument after the program's name converts to the ANSI code
// page exactly. Otherwise prints one line on `stream` naming the first
// argument that does not by its position (1 is the first after the program's
// name) and returns false.
bool argumentsFitCodePage(FILE* stream);
#else
inline bool argumentsFitCodePage(FILE*) {
  return true;
}
#endif

#endif  // INKSTAMP_RFAXPROGRAM_ARGUMENT_CODE_PAGE_H_
