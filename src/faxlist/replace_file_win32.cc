// The target checks, new files and replacement on Windows, where a rename
// behaves otherwise than on POSIX: MoveFileEx over a read-only file fails,
// and the file that it puts in place keeps the temporary file's attributes
// and ACL, where ReplaceFile keeps the replaced file's. A device name (NUL,
// CON, COM1, LPT1, with an extension too on older Windows) opens the device,
// and a file open in another program, or held briefly by antivirus or
// indexing software, can't be replaced for a while. What to make of each
// call's answer is decided in replace_file_steps.cc; here are the calls.
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "faxlist/replace_file.h"
#include "faxlist/replace_file_steps.h"

static_assert(windows_value::kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(windows_value::kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(windows_value::kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(windows_value::kErrorSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(windows_value::kErrorLockViolation == ERROR_LOCK_VIOLATION);
static_assert(windows_value::kErrorUnableToRemoveReplaced == ERROR_UNABLE_TO_REMOVE_REPLACED);
static_assert(windows_value::kErrorUnableToMoveReplacement == ERROR_UNABLE_TO_MOVE_REPLACEMENT);
static_assert(windows_value::kErrorUnableToMoveReplacement2 == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
static_assert(windows_value::kAttributeReadOnly == FILE_ATTRIBUTE_READONLY);
static_assert(windows_value::kAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY);
static_assert(windows_value::kAttributeReparsePoint == FILE_ATTRIBUTE_REPARSE_POINT);
static_assert(windows_value::kReparseTagMountPoint == IO_REPARSE_TAG_MOUNT_POINT);
static_assert(windows_value::kReparseTagSymlink == IO_REPARSE_TAG_SYMLINK);
static_assert(IsReparseTagNameSurrogate(windows_value::kReparseTagNameSurrogate));

namespace {

const DWORD kReplacePauseMs = 100;

// `path` made full, in `full`; false when it can't be.
bool fullPath(const char* path, char (&full)[MAX_PATH + 1]) {
  DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
  return length > 0 && length < sizeof full;
}

// Whether `path` names a device (\\.\NUL and the like) once made full.
bool isDevicePath(const char* path) {
  char full[MAX_PATH + 1];
  return fullPath(path, full) && strncmp(full, "\\\\.\\", 4) == 0;
}

unsigned long attributesOf(const char* path, unsigned long* attributes) {
  DWORD found = GetFileAttributesA(path);
  *attributes = found;
  return found != INVALID_FILE_ATTRIBUTES ? 0 : GetLastError();
}

// FindFirstFile reports a reparse point's tag in dwReserved0.
unsigned long reparseTagOf(const char* path, unsigned long* tag) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE)
    return GetLastError();
  FindClose(search);
  *tag = found.dwReserved0;
  return 0;
}

unsigned long replaceWith(const char* replaced, const char* replacement) {
  // Full paths: Wine's ReplaceFile refuses relative ones (ERROR_DIRECTORY).
  char fullReplaced[MAX_PATH + 1];
  char fullReplacement[MAX_PATH + 1];
  if (!fullPath(replaced, fullReplaced) || !fullPath(replacement, fullReplacement))
    return ERROR_FILENAME_EXCED_RANGE;
  return ReplaceFileA(fullReplaced, fullReplacement, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr)
             ? 0
             : GetLastError();
}

// Without MOVEFILE_REPLACE_EXISTING: whatever appeared there since the check
// was not looked at and is left alone.
unsigned long moveTo(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH) ? 0 : GetLastError();
}

void pauseBriefly() {
  Sleep(kReplacePauseMs);
}

// In the user's language, as other Windows programs say it.
void systemText(unsigned long error, char* text, size_t size) {
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, static_cast<DWORD>(size), nullptr);
  text[length < size ? length : 0] = '\0';
}

const WindowsFileCalls kCalls = {attributesOf, reparseTagOf, replaceWith,
                                 moveTo,       pauseBriefly, systemText};

bool failWith(DWORD error, char* problem, size_t size) {
  describeWindowsError(kCalls, error, "", problem, size);
  return false;
}

}  // namespace

bool checkTarget(const char* path, TargetFile* target, char* problem, size_t size) {
  *target = TargetFile();
  if (isDevicePath(path)) {
    snprintf(problem, size, "a device, not an ordinary file");
    return false;
  }
  return checkWindowsTarget(kCalls, path, target, problem, size);
}

NewFile openNewFile(const char* path, const TargetFile& /*like*/, int* fd, char* problem,
                    size_t size) {
  // FILE_SHARE_DELETE lets the console control handler delete the file
  // while this thread still has it open.
  HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
      return NewFile::kNameTaken;
    failWith(error, problem, size);
    return NewFile::kFailed;
  }
  // A device name opens the device, which is not to be written nor deleted.
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    snprintf(problem, size, "a device, not an ordinary file");
    return NewFile::kFailed;
  }
  *fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), 0);
  if (*fd < 0) {
    snprintf(problem, size, "%s", strerror(errno));
    CloseHandle(handle);
    DeleteFileA(path);
    return NewFile::kFailed;
  }
  return NewFile::kOpened;
}

bool syncFile(FILE* file, char* problem, size_t size) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return FlushFileBuffers(handle) || failWith(GetLastError(), problem, size);
}

Replaced replaceFile(const char* from, const char* to, const TargetFile& target, char* problem,
                     size_t size) {
  return replaceWindowsFile(kCalls, from, to, target, problem, size);
}

unsigned long processId() {
  return static_cast<unsigned long>(_getpid());
}
