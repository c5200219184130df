// One line of the fake client library's call trace, in the simulator's trace
// format: `Name(arg, arg, ...) = result`, integers in decimal, texts in
// double quotes with `"` and `\` escaped by a backslash and bytes below 0x20
// written as \xHH. A pause is traced without a result.
#ifndef INKSTAMP_FAKECLIENT_FAKE_TRACE_H_
#define INKSTAMP_FAKECLIENT_FAKE_TRACE_H_

#include <stdint.h>

#include <string>

namespace fakeclient {

class TraceLine {
 public:
  // Starts the line "name(" at the end of `trace`; a null trace makes every
  // operation a no-op, so that tracing can be switched off.
  TraceLine(std::string* trace, const char* name);

  // Appends one argument, separated from the previous one by ", ".
  TraceLine& arg(int64_t value);
  TraceLine& arg(const char* text);  // null shows as NULL

  // Ends the line with ") = value" or, for a call with no result, ")".
  void result(int64_t value);
  void end();

 private:
  void separate();

  std::string* trace_;
  bool first_ = true;
};

}  // namespace fakeclient

#endif  // INKSTAMP_FAKECLIENT_FAKE_TRACE_H_
