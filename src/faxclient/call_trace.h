// The call trace's line format, which the simulator writes to FAXSIM_TRACE
// and the in-memory fake keeps in memory, so that one expected call sequence
// serves tests of either: `Name(arg, arg, ...) = result`, integers in
// decimal, texts in double quotes with `"` and `\` escaped by a backslash and
// bytes below 0x20 written as \xHH, a null text as NULL. A call without a
// result, such as the pause, ends with `)`.
#ifndef INKSTAMP_FAXCLIENT_CALL_TRACE_H_
#define INKSTAMP_FAXCLIENT_CALL_TRACE_H_

#include <stdint.h>

#include <string>

namespace faxclient {

// One call's line, built argument by argument and appended, line end
// included, to `sink` when it ends. A null sink makes every step do nothing,
// so that an untraced call costs nothing but the check.
class CallTrace {
 public:
  CallTrace(std::string* sink, const char* name);

  // Each argument in turn: a `const char*` as a text, any other as a number
  // (pass handles as unsigned and codes as signed: each prints as such).
  template <typename... Values>
  CallTrace& args(const Values&... values) {
    (add(values), ...);
    return *this;
  }

  // Ends the line with " = result", or with no result at all.
  void result(int64_t value);
  void end();

 private:
  void add(int64_t value);
  void add(const char* value);
  void separate();

  std::string* sink_;
  bool first_ = true;
};

}  // namespace faxclient

#endif  // INKSTAMP_FAXCLIENT_CALL_TRACE_H_
