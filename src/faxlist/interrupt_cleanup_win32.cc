// A console control handler that deletes the temporary file, then passes the
// event on to the default handler, which ends the process. The system runs
// the handler on a thread of its own while the program's thread may still
// be writing the file, which is why the file is opened with
// FILE_SHARE_DELETE (replace_file_win32.cc).
#include <string.h>
#include <windows.h>

#include "faxlist/interrupt_cleanup.h"

namespace {

char pathToRemove[MAX_PATH + 1];
volatile LONG armed = 0;
bool installed = false;

BOOL WINAPI onConsoleEvent(DWORD event) {
  if ((event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) &&
      InterlockedCompareExchange(&armed, 0, 1) == 1)
    DeleteFileA(pathToRemove);
  return FALSE;
}

}  // namespace

bool removeOnInterrupt(const char* path) {
  InterlockedExchange(&armed, 0);
  if (strlen(path) >= sizeof pathToRemove)
    return false;
  memcpy(pathToRemove, path, strlen(path) + 1);
  if (!installed)
    installed = SetConsoleCtrlHandler(onConsoleEvent, TRUE) != 0;
  InterlockedExchange(&armed, 1);
  return true;
}

void keepOnInterrupt() {
  InterlockedExchange(&armed, 0);
}
