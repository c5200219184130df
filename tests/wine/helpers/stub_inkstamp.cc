// Stands in for inkstamp.exe beside inkstamp-task.bat where the real program
// can't act a case: it ends as its first argument says.
//   summary FAILED  prints a line, pauses, then a summary with FAILED failed
//                   faxes, and ends with 0, as a marking run does; runs started
//                   together overlap
//   abort           prints a line, then calls abort()
//   exit CODE       prints a line, then ends with CODE (a Windows status code
//                   such as -1073741819 too)
//   silent          ends with 0 having printed nothing
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (strcmp(mode, "silent") == 0)
    return 0;
  printf("stub inkstamp: %s\n", mode);
  fflush(stdout);
  if (strcmp(mode, "abort") == 0)
    abort();
  if (strcmp(mode, "exit") == 0 && argc > 2)
    ExitProcess(static_cast<UINT>(strtol(argv[2], nullptr, 10)));
  if (strcmp(mode, "summary") == 0 && argc > 2) {
    Sleep(500);
    printf("faxes:2 marked:2 failed:%s skipped:0 total:2\n", argv[2]);
    return 0;
  }
  fprintf(stderr, "stub inkstamp: unknown mode\n");
  return 2;
}
