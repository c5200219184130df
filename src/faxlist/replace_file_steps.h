// What checkTarget() and replaceFile() decide on Windows, over a seam of the
// Windows calls they make: replace_file_win32.cc passes the real calls, and
// the unit tests pass calls that fail as Windows documents they may, which
// Wine never does (ReplaceFile failing half-way, reparse points that are
// ordinary files). Nothing here includes <windows.h>, so the tests run on
// every platform.
#ifndef INKSTAMP_FAXLIST_REPLACE_FILE_STEPS_H_
#define INKSTAMP_FAXLIST_REPLACE_FILE_STEPS_H_

#include <stddef.h>

#include "faxlist/replace_file.h"

// The Windows values the steps read, as Microsoft documents them;
// replace_file_win32.cc checks each against <windows.h>.
namespace windows_value {
inline constexpr unsigned long kErrorFileNotFound = 2;
inline constexpr unsigned long kErrorPathNotFound = 3;
inline constexpr unsigned long kErrorAccessDenied = 5;
inline constexpr unsigned long kErrorSharingViolation = 32;
inline constexpr unsigned long kErrorLockViolation = 33;
inline constexpr unsigned long kErrorUnableToRemoveReplaced = 1175;
inline constexpr unsigned long kErrorUnableToMoveReplacement = 1176;
inline constexpr unsigned long kErrorUnableToMoveReplacement2 = 1177;
inline constexpr unsigned long kAttributeReadOnly = 0x1;
inline constexpr unsigned long kAttributeDirectory = 0x10;
inline constexpr unsigned long kAttributeReparsePoint = 0x400;
inline constexpr unsigned long kReparseTagMountPoint = 0xA0000003;
inline constexpr unsigned long kReparseTagSymlink = 0xA000000C;
// The name-surrogate bit: the reparse point stands for another named entity
// in the file system, as links and junctions do.
inline constexpr unsigned long kReparseTagNameSurrogate = 0x20000000;
}  // namespace windows_value

// The calls, each returning 0 or the Windows error (GetLastError()).
struct WindowsFileCalls {
  // GetFileAttributes.
  unsigned long (*attributes)(const char* path, unsigned long* attributes);
  // The reparse tag that FindFirstFile reports for a reparse point.
  unsigned long (*reparseTag)(const char* path, unsigned long* tag);
  // ReplaceFile without a backup name.
  unsigned long (*replace)(const char* replaced, const char* replacement);
  // MoveFileEx without MOVEFILE_REPLACE_EXISTING.
  unsigned long (*move)(const char* from, const char* to);
  // The pause between tries at a file that another program holds.
  void (*pause)();
  // FormatMessage's text for `error`, as the system gives it.
  void (*systemText)(unsigned long error, char* text, size_t size);
};

// How many tries a held file gets, `pause` apart.
inline constexpr int kWindowsReplaceTries = 10;

// Whether a reparse point with `tag` is a link to something else, which a
// replacement would cut or follow; the others (deduplicated, compressed or
// cloud files) are ordinary files.
bool isLinkReparseTag(unsigned long tag);

// The system's text for `error` on one line without its full stop, then
// `suffix`, in `problem`; "Windows error N" where the system has none.
void describeWindowsError(const WindowsFileCalls& calls, unsigned long error, const char* suffix,
                          char* problem, size_t size);

// checkTarget() after the device check.
bool checkWindowsTarget(const WindowsFileCalls& calls, const char* path, TargetFile* target,
                        char* problem, size_t size);

// replaceFile() on Windows.
Replaced replaceWindowsFile(const WindowsFileCalls& calls, const char* from, const char* to,
                            const TargetFile& target, char* problem, size_t size);

#endif  // INKSTAMP_FAXLIST_REPLACE_FILE_STEPS_H_
