// The file operations of writing a file under a temporary name and then
// putting it in place of the target, which differ between POSIX and Windows
// (replace_file_posix.cc, replace_file_win32.cc): what may stand at the
// target, opening a file that must not exist yet, flushing it to the disk
// and renaming it over the target; replace_file.cc holds what is the same on
// both. Each operation that can fail writes why into `problem` (of `size`
// bytes), one line without its end.
#ifndef INKSTAMP_FAXLIST_REPLACE_FILE_H_
#define INKSTAMP_FAXLIST_REPLACE_FILE_H_

#include <stddef.h>
#include <stdio.h>

// What stands at the target before it is replaced.
struct TargetFile {
  bool exists = false;
  // POSIX: the permission bits, which the new file takes over. Windows keeps
  // the attributes and the ACL through the replacement itself.
  unsigned long permissions = 0;
};

// Looks at `path` without opening it: true when nothing stands there (a
// missing folder included, which creating the file reports) or an ordinary
// file that the user may write, with `target` saying which.
bool checkTarget(const char* path, TargetFile* target, char* problem, size_t size);

enum class NewFile { kOpened, kNameTaken, kFailed };

// Creates `path` for writing in binary mode, only when nothing exists under
// that name, with the permissions of `like` when that exists. kNameTaken
// when something does; kFailed, with why, when it can't be made.
NewFile createNewFile(const char* path, const TargetFile& like, FILE** file, char* problem,
                      size_t size);

// Platform part of createNewFile: the descriptor in `*fd` on kOpened.
NewFile openNewFile(const char* path, const TargetFile& like, int* fd, char* problem, size_t size);

// Flushes what was written to `file` (its stream already flushed) to the
// disk.
bool syncFile(FILE* file, char* problem, size_t size);

enum class Replaced {
  kDone,
  // Nothing changed: `to` is as it was, and `from` may be removed.
  kFailed,
  // `to` is gone, or no longer under its name, and `from` is now the only
  // copy of the new file: it must be kept. `problem` says where each is.
  kFromKept,
};

// Renames `from` to `to`, replacing the file that checkTarget() found there
// as `target`. POSIX renames in one step, so a failure leaves both as they
// were, and then flushes the folder, where the file system allows, so that
// the rename lasts through a power cut. Windows keeps the replaced file's
// attributes and ACL through ReplaceFile, which may fail half-way (hence
// kFromKept), and flushes only a plain move to the disk: ReplaceFile has no
// flag for it that Windows supports.
Replaced replaceFile(const char* from, const char* to, const TargetFile& target, char* problem,
                     size_t size);

// The process's ID, to tell concurrent writers' temporary names apart.
unsigned long processId();

#endif  // INKSTAMP_FAXLIST_REPLACE_FILE_H_
