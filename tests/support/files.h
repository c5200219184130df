// Reading and writing whole files, the one way every test does it: bytes in,
// bytes out, no line-end translation.
#ifndef INKSTAMP_TESTS_SUPPORT_FILES_H_
#define INKSTAMP_TESTS_SUPPORT_FILES_H_

#include <stdio.h>

#include <string>

namespace support {

// The whole content of a file, or "" when it can't be read.
std::string readFile(const std::string& path);
// Replaces a file's content; false when it can't be written.
bool writeFile(const std::string& path, const std::string& content);
bool fileExists(const std::string& path);
// Copies a file byte for byte; false when it can't.
bool copyFile(const std::string& from, const std::string& to);
// The names in a folder, sorted, each followed by a space.
std::string namesIn(const std::string& folder);

// Everything in an open `file` from its start, such as the temporary file a
// program wrote its messages to; leaves it at its end.
std::string readStream(FILE* file);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_FILES_H_
