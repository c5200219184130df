// The library's few complaints on standard error: an environment variable
// it can't use (a FAXSIM_SLEEP_SCALE that is no number, a FAXSIM_TRACE that
// can't be written) and a store it can't serve. Each is one line, at most
// once per process, so that a mistyped setting is seen without flooding a
// long run. Never on standard output, which belongs to the program.
#ifndef INKSTAMP_FAXSIM_ENV_WARNING_H_
#define INKSTAMP_FAXSIM_ENV_WARNING_H_

#include <atomic>
#include <string_view>

namespace faxsim {

// Writes "faxsim library: MESSAGE" and a line end to standard error unless
// `*warned` is already set, and sets it. Bytes below 0x20 (of a path or a
// value the message quotes) are written as \xHH, so that the warning stays
// on one line.
void warnOnce(std::atomic<bool>* warned, std::string_view message);

// warnOnce() with the message NAME="VALUE" PROBLEM.
void warnAboutVariable(std::atomic<bool>* warned, const char* name, const char* value,
                       std::string_view problem);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_ENV_WARNING_H_
