// Reading back the fake client library's call trace: one line per call,
// `Name(arg, ...) = result`, texts in double quotes with `\"`, `\\` and
// `\xHH` escapes, and the pause as `Sleep(ms)` without a result.
#ifndef INKSTAMP_FUZZ_TRACED_CALLS_H_
#define INKSTAMP_FUZZ_TRACED_CALLS_H_

#include <stdint.h>

#include <string>
#include <vector>

struct TracedCall {
  std::string name;
  // Texts unquoted and unescaped; numbers as written.
  std::vector<std::string> args;
  bool hasResult = false;
  int64_t result = 0;

  // The argument at `index` as a number, 0 when it is missing.
  int64_t number(size_t index) const;
};

// Splits `trace` into its calls. False when a line does not read as a call.
bool parseTrace(const std::string& trace, std::vector<TracedCall>* calls);

#endif  // INKSTAMP_FUZZ_TRACED_CALLS_H_
