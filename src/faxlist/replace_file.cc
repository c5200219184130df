// Creating a file that must not exist yet, alike on POSIX and Windows once
// the platform's openNewFile() has opened it.
#include "faxlist/replace_file.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

NewFile createNewFile(const char* path, const TargetFile& like, FILE** file, char* problem,
                      size_t size) {
  *file = nullptr;
  int fd = -1;
  NewFile opened = openNewFile(path, like, &fd, problem, size);
  if (opened != NewFile::kOpened)
    return opened;
  *file = fdopen(fd, "wb");
  if (*file == nullptr) {
    snprintf(problem, size, "%s", strerror(errno));
    close(fd);
    unlink(path);
    return NewFile::kFailed;
  }
  return NewFile::kOpened;
}
