// Two streams reach one place when their descriptors open one file: the same
// device and inode (a terminal's device file, a log, one pipe).
#include "faxlist/same_destination.h"

#include <sys/stat.h>

bool sameDestination(FILE* a, FILE* b) {
  struct stat first;
  struct stat second;
  if (fstat(fileno(a), &first) != 0 || fstat(fileno(b), &second) != 0)
    return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
