// The target checks, new files and replacement on POSIX: lstat() tells what
// stands at the target without following a link or opening a FIFO, rename()
// replaces the target in one step, and fsync() on the file and then on its
// folder makes both the contents and the rename last through a power cut,
// where the file system can flush a folder.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "faxlist/replace_file.h"

namespace {

bool failWith(int error, char* problem, size_t size) {
  snprintf(problem, size, "%s", strerror(error));
  return false;
}

// What a file of `mode` is, for a target that is no ordinary file.
const char* kindOf(mode_t mode) {
  if (S_ISDIR(mode))
    return "a folder, ";
  if (S_ISLNK(mode))
    return "a symbolic link, ";
  if (S_ISFIFO(mode))
    return "a FIFO, ";
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return "a device, ";
  if (S_ISSOCK(mode))
    return "a socket, ";
  return "";
}

// The folder that holds `path`, for flushing the rename.
std::string folderOf(const char* path) {
  const char* slash = strrchr(path, '/');
  if (slash == nullptr)
    return ".";
  if (slash == path)
    return "/";
  return std::string(path, slash);
}

}  // namespace

bool checkTarget(const char* path, TargetFile* target, char* problem, size_t size) {
  *target = TargetFile();
  struct stat status;
  if (lstat(path, &status) != 0)
    return errno == ENOENT || failWith(errno, problem, size);
  if (!S_ISREG(status.st_mode)) {
    snprintf(problem, size, "%snot an ordinary file", kindOf(status.st_mode));
    return false;
  }
  // A file without any write bit is meant to stay as it is, even for root,
  // whom access() would let write it.
  if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    snprintf(problem, size, "a read-only file");
    return false;
  }
  if (access(path, W_OK) != 0)
    return failWith(errno, problem, size);
  target->exists = true;
  target->permissions = status.st_mode & 07777;
  return true;
}

NewFile openNewFile(const char* path, const TargetFile& like, int* fd, char* problem, size_t size) {
  // 0666 before the umask: a new file gets the permissions that any file the
  // user makes gets; a replaced file's own are set below.
  *fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (*fd < 0) {
    if (errno == EEXIST)
      return NewFile::kNameTaken;
    failWith(errno, problem, size);
    return NewFile::kFailed;
  }
  if (like.exists && fchmod(*fd, static_cast<mode_t>(like.permissions)) != 0) {
    failWith(errno, problem, size);
    close(*fd);
    unlink(path);
    return NewFile::kFailed;
  }
  return NewFile::kOpened;
}

bool syncFile(FILE* file, char* problem, size_t size) {
  return fsync(fileno(file)) == 0 || failWith(errno, problem, size);
}

Replaced replaceFile(const char* from, const char* to, const TargetFile& /*target*/, char* problem,
                     size_t size) {
  if (rename(from, to) != 0) {
    failWith(errno, problem, size);
    return Replaced::kFailed;
  }
  // From here on the new file is in place, whatever the flush does: a
  // failure now would send the user looking for a file that is there. A
  // folder that can't be opened for reading, or whose file system can't
  // flush it (EINVAL), keeps the rename as the file system does.
  int folder = open(folderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return Replaced::kDone;
}

unsigned long processId() {
  return static_cast<unsigned long>(getpid());
}
