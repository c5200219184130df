// Shows what the programs' start-up does to the console's output code page.
// Given how a run ends ("return" from main, "exit" through exit(), "ctrl-c"
// sent to the console), it prints the console's code page ("before=N"), runs
// itself as a child on the same console, and prints the code page that the
// child left behind ("after=N"). The child switches the console as the
// programs do, prints the code page it runs in ("during=N"), writes the byte
// 0xE9 ("é" in code page 1252) with WriteFile, as Windows' msvcrt.dll writes
// a program's text (Wine's msvcrt converts text for the console itself, so
// printf would show nothing), and ends as asked.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "rfaxprogram/console_code_page.h"

namespace {

// The parent outlives the child's Ctrl-C, which reaches every process of
// the console.
BOOL WINAPI survive(DWORD) {
  return TRUE;
}

int runChild(const char* how) {
  char self[MAX_PATH];
  if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0)
    return 2;
  char commandLine[MAX_PATH + 32];
  snprintf(commandLine, sizeof commandLine, "\"%s\" child %s", self, how);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &child))
    return 2;
  WaitForSingleObject(child.hProcess, INFINITE);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return 0;
}

int child(const char* how) {
  showAnsiTextOnConsole();
  printf("during=%u\n", GetConsoleOutputCP());
  fflush(stdout);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "[\xE9]\n", 4, &written, nullptr);
  if (strcmp(how, "exit") == 0)
    exit(3);
  if (strcmp(how, "ctrl-c") == 0) {
    GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    Sleep(10000);  // the default handler ends the process long before
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && strcmp(argv[1], "child") == 0)
    return child(argv[2]);
  if (argc != 2)
    return 2;
  SetConsoleCtrlHandler(survive, TRUE);
  printf("before=%u\n", GetConsoleOutputCP());
  fflush(stdout);
  if (runChild(argv[1]) != 0)
    return 2;
  printf("after=%u\n", GetConsoleOutputCP());
  return 0;
}
