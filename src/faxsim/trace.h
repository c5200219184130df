// The simulator's call trace: with FAXSIM_TRACE set, every call appends one
// line to that file, flushed at once, in the format of faxclient/call_trace.h.
#ifndef INKSTAMP_FAXSIM_TRACE_H_
#define INKSTAMP_FAXSIM_TRACE_H_

#include <stdint.h>

#include <string>

#include "faxclient/call_trace.h"

namespace faxsim {

// One call's line, built argument by argument. When FAXSIM_TRACE is unset
// every step does nothing, so an untraced call pays for one getenv only.
class Trace {
 public:
  explicit Trace(const char* name);

  // Integers in decimal: pass handles as unsigned, codes and other values as
  // signed, and each prints as such.
  Trace& number(int64_t value);
  Trace& text(const char* value);

  // Ends the line with " = result" and appends it to the trace.
  void result(int64_t value);
  // Ends a call that has no result, such as the pause.
  void end();

 private:
  void write();

  std::string path_;
  std::string line_;
  faxclient::CallTrace call_;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_TRACE_H_
