// faxsim, the administration tool of the simulated fax server's store, as a
// function: main() hands it the command line and the standard streams, and
// tests call it in-process with streams of their own.
#ifndef INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_
#define INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_

#include <stdio.h>

#include "faxsimtool/store_path.h"

namespace faxsimtool {

// Runs one faxsim command line (argv[0] is the program's name and is not
// read) and returns the exit status: 0 done, 1 failed, 2 bad command line.
// Results go to `out`; errors to `err`, one line each.
int runFaxsim(int argc, char** argv, FILE* out, FILE* err);
// The same with the environment read through `env`.
int runFaxsim(int argc, char** argv, FILE* out, FILE* err, const EnvLookup& env);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_
