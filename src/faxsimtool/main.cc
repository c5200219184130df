// The faxsim program: the administration tool of the simulated fax server.
// Like the programs on the client library, it refuses arguments that did not
// arrive as typed: a look-alike would name another store, server, user or
// fax.
#include <stdio.h>

#include "faxsimtool/command.h"
#include "faxsimtool/faxsim_tool.h"
#include "rfaxprogram/argument_code_page.h"
#include "rfaxprogram/console_code_page.h"

int main(int argc, char** argv) {
  showAnsiTextOnConsole();
  if (!argumentsAsTyped(argc, argv, stderr, "faxsim: "))
    return faxsimtool::kExitUsage;
  return faxsimtool::runFaxsim(argc, argv, stdout, stderr);
}
