// What the entry point of every program on the session does around its one
// program object: the banner that opens each run, and the object's creation,
// run and final disconnection check.
#ifndef INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_
#define INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_

#include <stdio.h>

#include <new>

#include "rfaxprogram/argument_code_page.h"
#include "rfaxprogram/console_code_page.h"
#include "rfaxprogram/exit_status.h"

// Prints the banner on standard output and flushes it: `title`, then
// "Version R [B]" with R from `releaseIdentification` ("@(#)Release: R") and
// B from `buildIdentification` ("@(#)Built: ..." without its "@(#)"), a blank
// line, `purpose` and a blank line.
void printBanner(const char* title, const char* releaseIdentification,
                 const char* buildIdentification, const char* purpose);

// Creates the program object in `program`, which the caller keeps in static
// storage: it is never destroyed, process exit reclaims it, and a pointer
// that outlives the run keeps leak checkers from calling it lost. Runs it on
// the command line with standard output as its output and returns its exit
// status; run() leaves the connection open only after a refused server
// release, and this closes it. A command line that did not arrive as typed
// is refused before any option is read (argument_code_page.h): a changed
// argument could select faxes, or a user, that it never named. A console
// shows the text from here on in the ANSI code page (console_code_page.h);
// the banner before is ASCII.
template <typename Program>
int runProgramObject(Program*& program, int argc, char** argv) {
  showAnsiTextOnConsole();
  program = new (std::nothrow) Program;
  if (program == nullptr) {
    printf("Not enough memory to start.\n");
    fflush(stdout);
    return kExitNoConnection;
  }
  program->output = stdout;
  if (!argumentsAsTyped(argc, argv, stdout))
    return program->refuseChangedArguments();
  int status = program->run(argc, argv);
  if (program->serverHandle != 0)
    program->disconnect();
  return status;
}

#endif  // INKSTAMP_RFAXPROGRAM_PROGRAM_ENTRY_H_
