// The library's one complaint about an environment variable it can't use
// (a FAXSIM_SLEEP_SCALE that is no number, a FAXSIM_TRACE that can't be
// written): one line on standard error, at most once per process for each
// variable, so that a mistyped setting is seen without flooding a long run.
// Never on standard output, which belongs to the program.
#ifndef INKSTAMP_FAXSIM_ENV_WARNING_H_
#define INKSTAMP_FAXSIM_ENV_WARNING_H_

#include <atomic>
#include <string_view>

namespace faxsim {

// Writes "faxsim library: NAME="VALUE" PROBLEM" and a line end to standard
// error unless `*warned` is already set, and sets it. Bytes of VALUE below
// 0x20 are written as \xHH, so that the warning stays on one line.
void warnAboutVariable(std::atomic<bool>* warned, const char* name, const char* value,
                       std::string_view problem);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_ENV_WARNING_H_
