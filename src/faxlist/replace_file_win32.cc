// Opening new files and replacing files on Windows: rename() there refuses
// an existing target, so the file is moved with MoveFileEx, which replaces it.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>

#include "faxlist/replace_file.h"

int openNewFile(const char* path) {
  return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

bool replaceFile(const char* from, const char* to, char* problem, size_t size) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DWORD error = GetLastError();
  char text[256] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, sizeof text, nullptr);
  // The system's texts end with a line end; the message is one line.
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.'))
    text[--length] = '\0';
  if (length == 0)
    snprintf(problem, size, "Windows error %lu", static_cast<unsigned long>(error));
  else
    snprintf(problem, size, "%s", text);
  return false;
}

unsigned long processId() {
  return static_cast<unsigned long>(_getpid());
}
