// libFuzzer target for the fax-ID pattern matcher: on every input it must
// give the same answer as the naive recursive definition. The input is a
// text, a NUL byte and a pattern (anything after a second NUL is ignored); an
// input without NUL is used as both, which must always match.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "inkstamp/wildcard.h"
#include "inkstamp/wildcard_reference.h"

namespace {

// Enough for any small input, and for a long one with few stars, while
// keeping each run within milliseconds.
constexpr uint64_t kReferenceSteps = 50000;

void printBytes(const char* name, const std::string& s) {
  fprintf(stderr, "%s (%zu bytes):", name, s.size());
  for (unsigned char c : s)
    fprintf(stderr, " %02X", c);
  fprintf(stderr, "\n");
}

[[noreturn]] void fail(const char* what, const std::string& text, const std::string& pattern) {
  fprintf(stderr, "%s\n", what);
  printBytes("text", text);
  printBytes("pattern", pattern);
  abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const void* nul = memchr(data, 0, size);
  if (nul == nullptr) {
    // Every string matches itself: literals equal, each `?` takes its own
    // character and each star absorbs itself.
    const std::string self(bytes, size);
    if (!matchWildcard(self.c_str(), self.c_str()))
      fail("a string does not match itself", self, self);
    return 0;
  }
  const size_t textLength = static_cast<const uint8_t*>(nul) - data;
  const std::string text(bytes, textLength);
  // c_str() stops the pattern at any further NUL, as a C string would.
  const std::string rest(bytes + textLength + 1, size - textLength - 1);
  const std::string pattern(rest.c_str());

  wildcard_reference::StepBudget budget;
  budget.limit = kReferenceSteps;
  const bool expected = wildcard_reference::match(text.c_str(), pattern.c_str(), &budget);
  const bool actual = matchWildcard(text.c_str(), pattern.c_str());
  if (!budget.exhausted && actual != expected)
    fail(expected ? "matchWildcard missed a match" : "matchWildcard matched wrongly", text,
         pattern);
  return 0;
}
