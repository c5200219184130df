// The fax-ID pattern matcher: whole-text `*`/`?` globbing with A-Z folded to
// lower case, done iteratively so that neither time nor stack can blow up.
//
// The natural statement of the match is recursive: at a star, try every split
// of the rest of the text. That recurses once per pattern character (a
// 32,767-character command line is enough to exhaust a 1 MiB stack) and, with
// k stars, backtracks in time growing as length(text)^k. This file uses the
// classic greedy loop instead, which gives the same yes/no answer for every
// input:
//
//  - Only the most recent star needs remembering. Once the pattern has got
//    past a later star at text position j, the rest of the pattern after that
//    star matches iff it matches some suffix of the text starting at or after
//    j. Revisiting an earlier star could only make the later star start at
//    some j' >= j (the loop tries the earlier star's absorptions shortest
//    first, so it reached the later star at the smallest possible j), and any
//    suffix reachable from j' is reachable from j. So earlier stars are never
//    worth retrying.
//  - Running out of text while literals or `?` remain cannot be cured by the
//    last star absorbing more: the pattern after that star needs more
//    characters than the text has left after the star's current start, and
//    absorbing more leaves fewer.
//
// Cost: every retry moves the star's resume point one character further and
// a new star never starts before the previous one's resume point, so there
// are at most length(text) + (number of stars) + 1 attempts, each walking at
// most the pattern between two stars: O((n + 1) * (m + 1)) steps for a text of
// n and a pattern of m characters, with no allocation and constant stack.

#include "inkstamp/wildcard.h"

namespace {

// Folds the 26 capital letters A-Z (0x41-0x5A) to lower case and leaves every
// other byte alone. Deliberately not tolower(): the result must not depend
// on the locale or code page, and bytes 0x80-0xFF must compare exactly.
unsigned char foldCase(unsigned char c) {
  return (c >= 0x41 && c <= 0x5A) ? static_cast<unsigned char>(c + 0x20) : c;
}

}  // namespace

bool matchWildcard(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr)
    return false;
  // Read as unsigned bytes: plain char may be signed, which would make bytes
  // 0x80-0xFF negative and fold or compare them wrongly.
  const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(pattern);
  const unsigned char* starNext = nullptr;  // Pattern just after the last star.
  const unsigned char* starText = nullptr;  // Where that star's absorption ends.

  while (*t != '\0') {
    if (*p == '*') {
      // Let the star absorb nothing for now; a later mismatch widens it.
      starNext = ++p;
      starText = t;
    } else if (*p != '\0' && (*p == '?' || foldCase(*p) == foldCase(*t))) {
      ++p;
      ++t;
    } else if (starNext != nullptr) {
      // Mismatch (or pattern used up before the text): the last star takes
      // one more character and the pattern after it starts over.
      p = starNext;
      t = ++starText;
    } else {
      return false;
    }
  }
  // The text is used up: only stars, which may match nothing, may remain.
  while (*p == '*')
    ++p;
  return *p == '\0';
}
