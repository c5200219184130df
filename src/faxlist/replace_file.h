// The file operations of writing a file under a temporary name and then
// putting it in place of the target. Two differ between POSIX and Windows
// (replace_file_posix.cc, replace_file_win32.cc): opening a file that must
// not exist yet, and renaming it over the target; replace_file.cc holds what
// is the same on both.
#ifndef INKSTAMP_FAXLIST_REPLACE_FILE_H_
#define INKSTAMP_FAXLIST_REPLACE_FILE_H_

#include <stddef.h>
#include <stdio.h>

// Opens `path` for writing in binary mode, failing when anything exists
// under that name: its descriptor, or -1 with errno set.
int openNewFile(const char* path);

// Creates `path` for writing in binary mode, failing when anything exists
// under that name. Null on failure, with errno set.
FILE* createNewFile(const char* path);

// Renames `from` to `to`, replacing a file that `to` names. On failure
// writes why into `problem` (of `size` bytes) and leaves both as they were.
bool replaceFile(const char* from, const char* to, char* problem, size_t size);

// The process's ID, to tell concurrent writers' temporary names apart.
unsigned long processId();

#endif  // INKSTAMP_FAXLIST_REPLACE_FILE_H_
