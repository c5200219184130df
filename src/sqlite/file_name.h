// SQLite takes file names in UTF-8. The programs get theirs from the command
// line and the environment in the platform's own narrow encoding: UTF-8 on
// POSIX, the ANSI code page on Windows, where a name such as
// C:\Users\José\... would otherwise name no file at all.
#ifndef INKSTAMP_SQLITE_FILE_NAME_H_
#define INKSTAMP_SQLITE_FILE_NAME_H_

#include <string>

namespace sqlite {

// `path` in the platform's narrow encoding, re-encoded as UTF-8.
std::string fileNameForSqlite(const std::string& path);

}  // namespace sqlite

#endif  // INKSTAMP_SQLITE_FILE_NAME_H_
