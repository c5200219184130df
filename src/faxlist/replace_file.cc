// Creating a file that must not exist yet, alike on POSIX and Windows once
// the platform's openNewFile() has opened it.
#include "faxlist/replace_file.h"

#include <errno.h>
#include <stdio.h>
#include <unistd.h>

FILE* createNewFile(const char* path) {
  int fd = openNewFile(path);
  if (fd < 0)
    return nullptr;
  FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    int error = errno;
    close(fd);
    unlink(path);
    errno = error;
  }
  return file;
}
