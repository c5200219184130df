// The check of the arguments against the ANSI code page on Windows. The
// arguments are split again from the wide command line by msvcrt's
// __wgetmainargs, the wide twin of the __getmainargs that built argv, so that
// both vectors follow the same splitting rules and positions agree. Each wide
// argument is then converted without best fit: a default character used means
// the narrow argument is not what was typed. The program's own name is not
// checked: the program never reads it, and a folder name outside the code
// page must not stop it from running.
#include "rfaxprogram/argument_code_page.h"

#include <stdlib.h>
#include <windows.h>

extern "C" {
// msvcrt's start-up helpers are not in MinGW-w64's public headers.
struct MsvcrtStartupInfo {
  int newMode;
};
int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int expandWildcards,
                           MsvcrtStartupInfo* startupInfo);
}

namespace {

// Whether `argument` converts to `codePage` with no character replaced.
// UTF-8 holds every character; there only a lone surrogate fails.
bool fitsCodePage(const wchar_t* argument, UINT codePage) {
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int size = WideCharToMultiByte(codePage, flags, argument, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0)
    return false;
  // The replacement is reported reliably only by a real conversion.
  char* converted = static_cast<char*>(malloc(static_cast<size_t>(size)));
  if (converted == nullptr)
    return false;
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, flags, argument, -1, converted, size, nullptr,
                                          utf8 ? nullptr : &usedDefault);
  free(converted);
  return written == size && !usedDefault;
}

}  // namespace

bool argumentsFitCodePage(FILE* stream) {
  const UINT codePage = GetACP();
  int count = 0;
  wchar_t** arguments = nullptr;
  wchar_t** environment = nullptr;
  MsvcrtStartupInfo startupInfo = {0};
  if (__wgetmainargs(&count, &arguments, &environment, 0, &startupInfo) < 0 ||
      arguments == nullptr) {
    fprintf(stream, "The arguments can't be checked against code page %u.\n", codePage);
    return false;
  }
  for (int i = 1; i < count; ++i) {
    if (!fitsCodePage(arguments[i], codePage)) {
      fprintf(stream, "Argument %d has a character that code page %u can't represent.\n", i,
              codePage);
      return false;
    }
  }
  return true;
}
