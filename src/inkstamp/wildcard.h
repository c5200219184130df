// Matching a fax ID against one command-line pattern. `?` stands for exactly
// one character, `*` for any run of characters (the empty one included); every
// other pattern character must equal the fax ID's, with the letters A to Z
// compared regardless of case. There is no escape character.
#ifndef INKSTAMP_INKSTAMP_WILDCARD_H_
#define INKSTAMP_INKSTAMP_WILDCARD_H_

// True when the whole of `text` matches the whole of `pattern`. Both are
// NUL-terminated byte strings; a null text or a null pattern never matches,
// not even the pattern "*". Only the 26 capital letters A-Z fold to lower case,
// whatever the locale; every other byte, 0x80-0xFF included, must be equal.
// Keeps no state, allocates nothing and runs in O(length(text) *
// length(pattern)) time and constant stack, so a hostile pattern can neither
// hang a run nor exhaust the stack.
bool matchWildcard(const char* text, const char* pattern);

#endif  // INKSTAMP_INKSTAMP_WILDCARD_H_
