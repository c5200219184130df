// faxsim, the administration tool of the simulated fax server's store, as a
// function: main() hands it the command line and the standard streams, and
// tests call it in-process with streams and an environment of their own.
// It finds the store, the command and its arguments, and runs the command.
#ifndef INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_
#define INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_

#include <stdio.h>

#include <optional>
#include <string>
#include <string_view>

#include "faxsim/store_path.h"

namespace faxsimtool {

using faxsim::EnvLookup;
using faxsim::processEnv;

// Runs one faxsim command line (argv[0] is the program's name and is not
// read) and returns the exit status: 0 done, 1 failed, 2 bad command line.
// Results go to `out`; errors to `err`, one line each.
int runFaxsim(int argc, char** argv, FILE* out, FILE* err);
// The same with the environment read through `env`.
int runFaxsim(int argc, char** argv, FILE* out, FILE* err, const EnvLookup& env);

// Where faxsim finds the store: the --store option, else where the simulator
// library looks ($FAXSIM_STORE, else the per-user default). An empty option
// or variable counts as not given. False, with `error` set, when neither
// names a store and the environment has no home for the default. `*origin`
// names the source: "--store", "FAXSIM_STORE" or "the per-user default".
bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error, std::string* origin = nullptr);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_FAXSIM_TOOL_H_
