// The target checks, new files and replacement on Windows, where a rename
// behaves otherwise than on POSIX: MoveFileEx over a read-only file fails,
// and the file that it puts in place keeps the temporary file's attributes
// and ACL, where ReplaceFile keeps the replaced file's. A device name (NUL,
// CON, COM1, LPT1, with an extension too on older Windows) opens the device,
// and a file open in another program, or held briefly by antivirus or
// indexing software, can't be replaced for a while.
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "faxlist/replace_file.h"

namespace {

// How long a file held by another program is waited for: about a second.
const int kReplaceTries = 10;
const DWORD kReplacePauseMs = 100;

// The errno that the C runtime gives for the common errors, so that the
// reasons read as they do on POSIX; null for the others.
const char* runtimeText(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
      return strerror(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return strerror(ENOSPC);
    default:
      return nullptr;
  }
}

// The system's text for `error` on one line, followed by `suffix`.
void describe(DWORD error, const char* suffix, char* problem, size_t size) {
  char text[256] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, sizeof text, nullptr);
  // The system's texts end with a full stop and a line end.
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.'))
    text[--length] = '\0';
  if (length == 0)
    snprintf(problem, size, "Windows error %lu%s", static_cast<unsigned long>(error), suffix);
  else
    snprintf(problem, size, "%s%s", text, suffix);
}

bool failWith(DWORD error, char* problem, size_t size) {
  if (const char* text = runtimeText(error))
    snprintf(problem, size, "%s", text);
  else
    describe(error, "", problem, size);
  return false;
}

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

// What may make a replacement fail for a moment: another program that has
// the file open, or a scanner that holds it briefly.
bool mayPass(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// One try at putting `from` in place of `to`: 0 or the error. `*replacing`
// says whether `to` exists, and is cleared when ReplaceFile removed it but
// could not rename `from`.
DWORD putInPlace(const char* from, const char* to, bool* replacing) {
  if (*replacing) {
    // Full paths: Wine's ReplaceFile refuses relative ones (ERROR_DIRECTORY).
    char fullFrom[MAX_PATH + 1];
    char fullTo[MAX_PATH + 1];
    if (!fullPath(from, fullFrom) || !fullPath(to, fullTo))
      return ERROR_FILENAME_EXCED_RANGE;
    if (ReplaceFileA(fullTo, fullFrom, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
      return 0;
    DWORD error = GetLastError();
    if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT)
      return error;
    // Without a backup name the replaced file is gone by now and the new
    // one still has its temporary name: what is left is a move.
    *replacing = false;
  }
  // Without MOVEFILE_REPLACE_EXISTING: whatever appeared there since the
  // check was not looked at and is left alone.
  return MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH) ? 0 : GetLastError();
}

}  // namespace

bool checkTarget(const char* path, TargetFile* target, char* problem, size_t size) {
  *target = TargetFile();
  if (isDevicePath(path)) {
    snprintf(problem, size, "a device, not an ordinary file");
    return false;
  }
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           failWith(error, problem, size);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    snprintf(problem, size, "a folder, not an ordinary file");
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    snprintf(problem, size, "a link or reparse point, not an ordinary file");
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    snprintf(problem, size, "a read-only file");
    return false;
  }
  target->exists = true;
  return true;
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

bool replaceFile(const char* from, const char* to, const TargetFile& target, char* problem,
                 size_t size) {
  bool replacing = target.exists;
  for (int attempt = 1;; ++attempt) {
    DWORD error = putInPlace(from, to, &replacing);
    if (error == 0)
      return true;
    if (!mayPass(error))
      return failWith(error, problem, size);
    if (attempt == kReplaceTries) {
      describe(error, "; it may be open in another program", problem, size);
      return false;
    }
    Sleep(kReplacePauseMs);
  }
}

unsigned long processId() {
  return static_cast<unsigned long>(_getpid());
}
