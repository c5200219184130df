// The one program entry of every program on the session: the banner that
// opens each run, the program object's creation, its run and the final
// disconnection check. A program brings only what tells it apart, its
// identity.
#ifndef INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_
#define INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_

#include <stdio.h>

#include <new>

#include "rfaxprogram/argument_code_page.h"
#include "rfaxprogram/console_code_page.h"
#include "rfaxprogram/exit_status.h"

// What a program shows of itself: its banner and its usage text. The
// identification strings are read through volatile pointers, so that the
// compiler can't fold the banner's parts of them into fresh literals and
// drop the strings that identification tools look for in the binary.
struct ProgramIdentity {
  const char* title;
  const char* volatile releaseIdentification;  // "@(#)Release: R"
  const char* volatile buildIdentification;    // "@(#)Built: ..."
  const char* purpose;
  void (*printUsage)(FILE* stream);
};

// Prints the banner on standard output and flushes it: the title, then
// "Version R [B]" with R from the release identification and B the build
// identification without its "@(#)", a blank line, the purpose and a blank
// line.
void printBanner(const ProgramIdentity& identity);

// Refuses a command line that did not arrive as typed, once the reason is
// printed: a blank line and the usage text, `output` flushed, and the exit
// status of any usage error.
int refuseChangedArguments(const ProgramIdentity& identity, FILE* output);

// The entry of the program `Program`, a FaxProgram with `output`, run() and
// disconnect(): prints the banner, creates the one program object, runs it
// on the command line with standard output as its output and returns its
// exit status. Called once per process. The object is never destroyed:
// process exit reclaims it, and a pointer in static storage that outlives
// the run keeps leak checkers from calling it lost. run() leaves the
// connection open only after a refused server release, and this closes it.
// A command line that did not arrive as typed is refused before any option
// is read (argument_code_page.h): a changed argument could select faxes, or
// a user, that it never named. A console shows the text from here on in the
// ANSI code page (console_code_page.h); the banner before is ASCII.
template <typename Program>
int runProgram(const ProgramIdentity& identity, int argc, char** argv) {
  static Program* program = nullptr;
  printBanner(identity);
  showAnsiTextOnConsole();
  program = new (std::nothrow) Program;
  if (program == nullptr) {
    printf("Not enough memory to start.\n");
    fflush(stdout);
    return kExitNoConnection;
  }
  program->output = stdout;
  if (!argumentsAsTyped(argc, argv, stdout))
    return refuseChangedArguments(identity, program->output);
  int status = program->run(argc, argv);
  if (program->serverHandle != 0)
    program->disconnect();
  return status;
}

#endif  // INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_
