// Test-only: the text of a temporary file that the program wrote its marking
// messages to.
#ifndef INKSTAMP_INKSTAMP_FILE_TEXT_FOR_TEST_H_
#define INKSTAMP_INKSTAMP_FILE_TEXT_FOR_TEST_H_

#include <stdio.h>

#include <string>

// Everything in `file` from its start; leaves it at its end.
inline std::string fileText(FILE* file) {
  std::string text;
  rewind(file);
  for (int c; (c = fgetc(file)) != EOF;)
    text.push_back(static_cast<char>(c));
  return text;
}

#endif  // INKSTAMP_INKSTAMP_FILE_TEXT_FOR_TEST_H_
