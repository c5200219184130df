// faxsim's help, made from the command table: `faxsim --help` shows every
// command with its options; `faxsim help COMMAND` and `faxsim COMMAND --help`
// show one command with its longer description.
#ifndef INKSTAMP_FAXSIMTOOL_HELP_H_
#define INKSTAMP_FAXSIMTOOL_HELP_H_

#include <stdio.h>

#include "faxsimtool/command.h"

namespace faxsimtool {

void printOverview(FILE* out);
void printCommandHelp(FILE* out, const CommandSpec& command);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_HELP_H_
