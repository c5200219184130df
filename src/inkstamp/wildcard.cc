// The fax-ID pattern matcher: whole-text `*`/`?` globbing with A-Z folded to
// lower case, done iteratively so that neither time nor stack can blow up.
//
// The natural statement of the match is recursive: at a star, try every split
// of the rest of the text. That recurses once per pattern character (a
// 32,767-character command line is enough to exhaust a 1 MiB stack) and, with
// k stars, backtracks in time growing as length(text)^k. This file uses the
// classic greedy loop instead, which gives the same yes/no answer for every
// input. The stars cut the pattern into segments of literals and `?`, each
// matching exactly as many characters as it is long:
//
//  - The segment before the first star must match at the start of the text,
//    and the one after the last star at its end; a trailing star matches
//    whatever is left.
//  - A segment between two stars only needs its leftmost occurrence at or
//    after the point where the previous segment ended. Anything the rest of
//    the pattern can match after a later occurrence it can match after the
//    leftmost one too, because the following star absorbs the difference. So
//    only the most recent star is remembered, and on a mismatch it absorbs one
//    more character and its segment starts over; earlier stars are never
//    retried.
//  - Running out of text inside a segment cannot be cured by absorbing more:
//    that leaves even fewer characters for the segment.
//
// Cost: each star is passed once. A segment between stars starts over at
// most once per text position, and each start walks at most the segment, so
// the whole match takes O((n + 1) * (m + 1)) steps for a text of n and a
// pattern of m characters, with no allocation and constant stack.

#include "inkstamp/wildcard.h"

#include <string.h>

namespace {

// Folds the 26 capital letters A-Z (0x41-0x5A) to lower case and leaves every
// other byte alone. Deliberately not tolower(): the result must not depend
// on the locale or code page, and bytes 0x80-0xFF must compare exactly.
unsigned char foldCase(unsigned char c) {
  return (c >= 0x41 && c <= 0x5A) ? static_cast<unsigned char>(c + 0x20) : c;
}

// Whether pattern character `p`, a literal or `?`, matches text character `t`.
// The text's terminating NUL matches neither.
bool charMatches(unsigned char p, unsigned char t) {
  if (p == '?')
    return t != '\0';
  return foldCase(p) == foldCase(t);
}

// The length of the segment that starts at `p` and ends at the next star or at
// the end of the pattern; `last` says which.
size_t segmentLength(const unsigned char* p, bool* last) {
  size_t length = 0;
  while (p[length] != '*' && p[length] != '\0')
    ++length;
  *last = p[length] == '\0';
  return length;
}

// Matches the segment after the last star, `length` characters at `p`,
// against the end of the text at `t`: the only place it can match.
bool matchTail(const unsigned char* t, const unsigned char* p, size_t length) {
  const size_t left = strlen(reinterpret_cast<const char*>(t));
  if (left < length)
    return false;
  t += left - length;
  for (size_t i = 0; i < length; ++i) {
    if (!charMatches(p[i], t[i]))
      return false;
  }
  return true;
}

// Matches text `t` against pattern `p`, which starts with a star.
bool matchFromStar(const unsigned char* t, const unsigned char* p) {
  const unsigned char* starNext = nullptr;  // The segment after the last star.
  const unsigned char* starText = nullptr;  // Where that segment is being tried.
  for (;;) {
    if (*p == '*') {
      while (*p == '*')
        ++p;
      if (*p == '\0')
        return true;  // A trailing star takes whatever is left.
      bool last = false;
      const size_t length = segmentLength(p, &last);
      if (last)
        return matchTail(t, p, length);
      starNext = p;
      starText = t;
    } else if (charMatches(*p, *t)) {
      // *p is never NUL here: the segment after the last star went to matchTail.
      ++p;
      ++t;
    } else if (*t == '\0') {
      return false;
    } else {
      // The star absorbs one more character and its segment starts over.
      p = starNext;
      t = ++starText;
    }
  }
}

}  // namespace

bool matchWildcard(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr)
    return false;
  // Read as unsigned bytes: plain char may be signed, which would make bytes
  // 0x80-0xFF negative and fold or compare them wrongly.
  const unsigned char* t = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(pattern);
  // Up to the first star the text is matched from its start, with no star to
  // fall back on.
  for (;; ++p, ++t) {
    const unsigned char c = *p;
    const unsigned char x = *t;
    // The common case first: a byte equal to the text's. Of those, only NUL
    // (both ended) and a star (always a wildcard, even facing a star in the
    // text) need more, and both sort below every digit and letter; an equal
    // '?' matches as a wildcard would.
    if (c == x) {
      if (c > '*')
        continue;
      if (c == '\0')
        return true;
      if (c == '*')
        return matchFromStar(t, p);
      continue;
    }
    if (c == '*')
      return matchFromStar(t, p);
    if (c == '?') {
      if (x == '\0')
        return false;
      continue;
    }
    // Unequal bytes that fold equal are a letter in two cases; neither is NUL.
    if (foldCase(c) != foldCase(x))
      return false;
  }
}
