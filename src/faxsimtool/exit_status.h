// The exit statuses of faxsim and the one-line error report that goes with a
// failure. A usage error is anything wrong with the command line itself; a
// failure is anything that depends on the store (a missing store, an unknown
// user, a taken handle) or on the file system.
#ifndef INKSTAMP_FAXSIMTOOL_EXIT_STATUS_H_
#define INKSTAMP_FAXSIMTOOL_EXIT_STATUS_H_

#include <stdio.h>

#include <string>
#include <string_view>

namespace faxsimtool {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Writes "faxsim: MESSAGE" and a line end to `err` and returns `status`.
int report(FILE* err, int status, std::string_view message);

// `text` in single quotes, with bytes below 0x20 and 0x7F written as \xHH so
// that a message naming user input always stays on one line.
std::string quoted(std::string_view text);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_EXIT_STATUS_H_
