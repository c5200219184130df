// Two streams reach one place on Windows when both are the console (a process
// has at most one) or both open one file. A file is told by its volume and
// its 128-bit file ID (FileIdInfo): the 64-bit index of
// GetFileInformationByHandle is not unique on ReFS. Pipes carry no file ID,
// so two pipes count as two places, and the line goes to both.
#include "faxlist/same_destination.h"

#include <io.h>
#include <string.h>
#include <windows.h>

namespace {

HANDLE handleOf(FILE* stream) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

bool fileId(HANDLE handle, FILE_ID_INFO* id) {
  return GetFileInformationByHandleEx(handle, FileIdInfo, id, sizeof *id) != 0;
}

}  // namespace

bool sameDestination(FILE* a, FILE* b) {
  HANDLE first = handleOf(a);
  HANDLE second = handleOf(b);
  if (first == INVALID_HANDLE_VALUE || second == INVALID_HANDLE_VALUE)
    return false;
  if (isConsole(first) && isConsole(second))
    return true;
  FILE_ID_INFO firstId;
  FILE_ID_INFO secondId;
  if (!fileId(first, &firstId) || !fileId(second, &secondId))
    return false;
  return firstId.VolumeSerialNumber == secondId.VolumeSerialNumber &&
         memcmp(&firstId.FileId, &secondId.FileId, sizeof firstId.FileId) == 0;
}
