// File names as the programs get them, from the command line and the
// environment, in the platform's own narrow encoding: UTF-8 on POSIX, the
// ANSI code page on Windows. SQLite takes them in UTF-8 and the standard
// library's paths in the platform's native encoding; both are converted here,
// through the same conversion, so that the two always name the same file. A
// name such as C:\Users\José\... would otherwise name no file at all, and a
// double-byte character whose second byte is 0x5C would split a folder name.
#ifndef INKSTAMP_SQLITE_FILE_NAME_H_
#define INKSTAMP_SQLITE_FILE_NAME_H_

#include <filesystem>
#include <string>

namespace sqlite {

// `path` in the platform's narrow encoding, re-encoded as UTF-8.
std::string fileNameForSqlite(const std::string& path);

// `path` in the platform's narrow encoding as a filesystem path.
std::filesystem::path fileSystemPath(const std::string& path);

// `path` back in the platform's narrow encoding, for messages; a character
// that the narrow encoding lacks becomes a look-alike or '?'.
std::string narrowName(const std::filesystem::path& path);

}  // namespace sqlite

#endif  // INKSTAMP_SQLITE_FILE_NAME_H_
