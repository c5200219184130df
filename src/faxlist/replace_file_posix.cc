// Opening new files and replacing files on POSIX: rename() replaces the
// target in one step.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "faxlist/replace_file.h"

int openNewFile(const char* path) {
  // 0666 before the umask: the file gets the permissions that any file the
  // user makes gets.
  return open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool replaceFile(const char* from, const char* to, char* problem, size_t size) {
  if (rename(from, to) == 0)
    return true;
  snprintf(problem, size, "%s", strerror(errno));
  return false;
}

unsigned long processId() {
  return static_cast<unsigned long>(getpid());
}
