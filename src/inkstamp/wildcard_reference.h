// A deliberately naive, recursive statement of the fax-ID pattern match, used
// only by tests, the benchmark and the fuzzer as the yardstick for
// matchWildcard. It follows the definition step by step, pattern character by
// pattern character, trying a star's splits from the longest absorption to the
// shortest. It recurses once per pattern character and backtracks
// exponentially in the number of stars, so callers keep its inputs small or
// give it a step budget.
#ifndef INKSTAMP_INKSTAMP_WILDCARD_REFERENCE_H_
#define INKSTAMP_INKSTAMP_WILDCARD_REFERENCE_H_

#include <stdint.h>
#include <string.h>

namespace wildcard_reference {

// Counts the recursive steps of one match. A match that would need more than
// `limit` steps gives up, sets `exhausted` and answers false: check it before
// trusting that answer.
struct StepBudget {
  uint64_t limit = UINT64_MAX;
  uint64_t taken = 0;
  bool exhausted = false;
};

// Written independently of the production folding on purpose: spelled with
// letters rather than byte values.
inline unsigned char fold(unsigned char c) {
  if (c >= 'A' && c <= 'Z')
    return static_cast<unsigned char>(c - 'A' + 'a');
  return c;
}

// One step: the text and the pattern from their current positions.
inline bool step(const unsigned char* text, const unsigned char* pattern, StepBudget* budget) {
  if (budget != nullptr) {
    if (budget->taken == budget->limit) {
      budget->exhausted = true;
      return false;
    }
    ++budget->taken;
  }
  const unsigned char c = *pattern;
  if (c == '\0')
    return *text == '\0';
  if (c == '*') {
    // Try letting the star absorb k = n, n - 1, ..., 0 of the n characters left.
    size_t n = strlen(reinterpret_cast<const char*>(text));
    for (size_t k = n + 1; k-- > 0;) {
      if (step(text + k, pattern + 1, budget))
        return true;
      if (budget != nullptr && budget->exhausted)
        return false;
    }
    return false;
  }
  if (c == '?') {
    if (*text == '\0')
      return false;
    return step(text + 1, pattern + 1, budget);
  }
  // A literal; the text's terminating NUL never equals a folded literal.
  if (fold(c) != fold(*text))
    return false;
  return step(text + 1, pattern + 1, budget);
}

inline bool match(const char* text, const char* pattern, StepBudget* budget = nullptr) {
  if (text == nullptr || pattern == nullptr)
    return false;
  return step(reinterpret_cast<const unsigned char*>(text),
              reinterpret_cast<const unsigned char*>(pattern), budget);
}

}  // namespace wildcard_reference

#endif  // INKSTAMP_INKSTAMP_WILDCARD_REFERENCE_H_
