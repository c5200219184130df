// The simulator's call trace: with FAXSIM_TRACE set, every call appends one
// line to that file, in the format of faxclient/call_trace.h, at the moment
// the call ends.
#ifndef INKSTAMP_FAXSIM_TRACE_H_
#define INKSTAMP_FAXSIM_TRACE_H_

#include <stdint.h>

#include <string>

#include "faxclient/call_trace.h"

namespace faxsim {

// One call's line. When FAXSIM_TRACE is unset every step does nothing, so an
// untraced call pays for one getenv only.
class Trace {
 public:
  explicit Trace(const char* name);

  template <typename... Values>
  Trace& args(const Values&... values) {
    call_.args(values...);
    return *this;
  }
  // Ends the line with " = result", or with no result (the pause), and
  // appends it to the file.
  void result(int64_t value);
  void end();

 private:
  void write();

  std::string path_;
  std::string line_;
  faxclient::CallTrace call_;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_TRACE_H_
