// The target check and the replacement on Windows, over the calls' seam.
#include "faxlist/replace_file_steps.h"

#include <stdio.h>
#include <string.h>

using namespace windows_value;

namespace {

bool failWith(const WindowsFileCalls& calls, unsigned long error, char* problem, size_t size) {
  describeWindowsError(calls, error, "", problem, size);
  return false;
}

// What may make a replacement fail for a moment: another program that has
// the file open, or a scanner that holds it briefly. Access denied is no
// such thing: the account lacks a right, and waiting won't give it one.
bool mayPass(unsigned long error) {
  return error == kErrorSharingViolation || error == kErrorLockViolation ||
         error == kErrorUnableToRemoveReplaced;
}

// ReplaceFile's errors after which the replaced file is no longer under its
// name, and the replacement still under its own.
bool removedTheReplaced(unsigned long error) {
  return error == kErrorUnableToMoveReplacement || error == kErrorUnableToMoveReplacement2;
}

// What stands at the target once a replacement failed: the replaced file
// gone means that the new one must be kept.
bool isGone(const WindowsFileCalls& calls, const char* path) {
  unsigned long attributes = 0;
  unsigned long error = calls.attributes(path, &attributes);
  return error == kErrorFileNotFound || error == kErrorPathNotFound;
}

// One try at putting `from` in place of `to`: 0 or the error. `*replacing`
// says whether `to` is still to be replaced; `*removedBy` keeps the error
// with which ReplaceFile took the replaced file away.
unsigned long putInPlace(const WindowsFileCalls& calls, const char* from, const char* to,
                         bool* replacing, unsigned long* removedBy) {
  if (*replacing) {
    unsigned long error = calls.replace(to, from);
    if (!removedTheReplaced(error))
      return error;
    // Without a backup name the replaced file is gone, or under a name of
    // Windows' choosing, and the new one still has its temporary name:
    // what is left is a move.
    *replacing = false;
    *removedBy = error;
  }
  return calls.move(from, to);
}

}  // namespace

bool isLinkReparseTag(unsigned long tag) {
  return tag == kReparseTagSymlink || tag == kReparseTagMountPoint ||
         (tag & kReparseTagNameSurrogate) != 0;
}

void describeWindowsError(const WindowsFileCalls& calls, unsigned long error, const char* suffix,
                          char* problem, size_t size) {
  char text[256] = "";
  calls.systemText(error, text, sizeof text);
  // The system's texts end with a full stop and a line end.
  size_t length = strlen(text);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.'))
    text[--length] = '\0';
  if (length == 0)
    snprintf(problem, size, "Windows error %lu%s", error, suffix);
  else
    snprintf(problem, size, "%s%s", text, suffix);
}

bool checkWindowsTarget(const WindowsFileCalls& calls, const char* path, TargetFile* target,
                        char* problem, size_t size) {
  *target = TargetFile();
  unsigned long attributes = 0;
  unsigned long error = calls.attributes(path, &attributes);
  if (error != 0)
    return error == kErrorFileNotFound || error == kErrorPathNotFound ||
           failWith(calls, error, problem, size);
  if ((attributes & kAttributeDirectory) != 0) {
    snprintf(problem, size, "a folder, not an ordinary file");
    return false;
  }
  // Deduplicated, compressed (WOF) and cloud files are reparse points too.
  if ((attributes & kAttributeReparsePoint) != 0) {
    unsigned long tag = 0;
    error = calls.reparseTag(path, &tag);
    if (error != 0)
      return failWith(calls, error, problem, size);
    if (isLinkReparseTag(tag)) {
      snprintf(problem, size, "%s, not an ordinary file",
               tag == kReparseTagSymlink      ? "a symbolic link"
               : tag == kReparseTagMountPoint ? "a junction"
                                              : "a link");
      return false;
    }
  }
  if ((attributes & kAttributeReadOnly) != 0) {
    snprintf(problem, size, "a read-only file");
    return false;
  }
  target->exists = true;
  return true;
}

Replaced replaceWindowsFile(const WindowsFileCalls& calls, const char* from, const char* to,
                            const TargetFile& target, char* problem, size_t size) {
  bool replacing = target.exists;
  unsigned long removedBy = 0;
  unsigned long error = 0;
  for (int attempt = 1;; ++attempt) {
    error = putInPlace(calls, from, to, &replacing, &removedBy);
    if (error == 0)
      return Replaced::kDone;
    if (!mayPass(error) || attempt == kWindowsReplaceTries)
      break;
    calls.pause();
  }
  char reason[256];
  describeWindowsError(calls, error, mayPass(error) ? "; it may be open in another program" : "",
                       reason, sizeof reason);
  if (removedBy == 0 && !(target.exists && isGone(calls, to))) {
    snprintf(problem, size, "%s", reason);
    return Replaced::kFailed;
  }
  // The new file is the only copy of the list now; it stays, and the user
  // learns where it and the old file are.
  if (removedBy == kErrorUnableToMoveReplacement2)
    snprintf(problem, size,
             "%s; the old file is in its folder under a name that Windows chose, the new one is "
             "%s",
             reason, from);
  else
    snprintf(problem, size, "%s; the old file is gone, the new one is %s", reason, from);
  return Replaced::kFromKept;
}
