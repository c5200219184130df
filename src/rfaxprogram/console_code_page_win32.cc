// The console's output code page for the run. A handle is a console when
// GetConsoleMode accepts it: GetFileType says FILE_TYPE_CHAR for the NUL
// device and serial ports as well. The console's code page belongs to the
// console, not to the process, so the shell that started the program would
// keep the changed one: it is restored at exit (atexit covers the return from
// main and exit()) and in a console control handler, which runs on a thread
// of its own for Ctrl-C, Ctrl-Break and a closed window, before the default
// handler ends the process with ExitProcess, which skips atexit. A process
// that is killed outright can't restore anything.
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include "rfaxprogram/console_code_page.h"

namespace {

// The console's code page before the run; 0 when there is nothing to
// restore. Exchanged, so that the exit path and a control handler racing it
// restore once.
volatile LONG savedCodePage = 0;

void restoreCodePage() {
  const LONG saved = InterlockedExchange(&savedCodePage, 0);
  if (saved != 0)
    SetConsoleOutputCP(static_cast<UINT>(saved));
}

void __cdecl restoreAtExit() {
  // The last text still in a buffer is shown in the run's code page.
  fflush(stdout);
  fflush(stderr);
  restoreCodePage();
}

BOOL WINAPI restoreOnControl(DWORD) {
  restoreCodePage();
  return FALSE;  // the next handler, finally the default one, ends the process
}

bool isConsole(DWORD standardHandle) {
  HANDLE handle = GetStdHandle(standardHandle);
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

}  // namespace

void showAnsiTextOnConsole() {
  if (!isConsole(STD_OUTPUT_HANDLE) && !isConsole(STD_ERROR_HANDLE))
    return;
  const UINT ansi = GetACP();
  const UINT current = GetConsoleOutputCP();
  if (current == 0 || current == ansi)
    return;
  // The handler first: a Ctrl-C right after the switch must find it.
  if (!SetConsoleCtrlHandler(restoreOnControl, TRUE))
    return;
  InterlockedExchange(&savedCodePage, static_cast<LONG>(current));
  if (!SetConsoleOutputCP(ansi) || atexit(restoreAtExit) != 0)
    restoreCodePage();
}
