// The typed arguments on Windows. They are split again from the wide command
// line by msvcrt's __wgetmainargs, the wide twin of the __getmainargs that
// built argv, and each is converted to the ANSI code page without best fit.
// Wine converts each wide argument on its own, Windows converts the whole
// line before splitting it; comparing the two vectors in full catches both.
#include <stdlib.h>
#include <windows.h>

#include "rfaxprogram/argument_code_page.h"

extern "C" {
// msvcrt's start-up helpers are not in MinGW-w64's public headers.
struct MsvcrtStartupInfo {
  int newMode;
};
int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int expandWildcards,
                           MsvcrtStartupInfo* startupInfo);
}

namespace {

// `argument` converted to `codePage` with no character replaced, in memory
// of malloc; nullptr when the code page can't hold it (or memory ran out,
// which refuses the command line as well). UTF-8 holds every character;
// there only a lone surrogate fails.
char* convertExactly(const wchar_t* argument, UINT codePage) {
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int size = WideCharToMultiByte(codePage, flags, argument, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0)
    return nullptr;
  // The replacement is reported reliably only by a real conversion.
  char* converted = static_cast<char*>(malloc(static_cast<size_t>(size)));
  if (converted == nullptr)
    return nullptr;
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, flags, argument, -1, converted, size, nullptr,
                                          utf8 ? nullptr : &usedDefault);
  if (written != size || usedDefault) {
    free(converted);
    return nullptr;
  }
  return converted;
}

void freeAll(char** texts, int count) {
  for (int i = 0; i < count; ++i)
    free(texts[i]);
  free(texts);
}

}  // namespace

bool argumentsAsTyped(int argc, const char* const* argv, FILE* stream, const char* prefix) {
  const UINT codePage = GetACP();
  int count = 0;
  wchar_t** arguments = nullptr;
  wchar_t** environment = nullptr;
  MsvcrtStartupInfo startupInfo = {0};
  char** typed = nullptr;
  if (__wgetmainargs(&count, &arguments, &environment, 0, &startupInfo) >= 0 &&
      arguments != nullptr && count >= 0)
    typed = static_cast<char**>(calloc(static_cast<size_t>(count) + 1, sizeof(char*)));
  if (typed == nullptr) {
    fprintf(stream, "%sThe arguments can't be checked against code page %u.\n", prefix, codePage);
    return false;
  }
  for (int i = 0; i < count; ++i)
    typed[i] = convertExactly(arguments[i], codePage);
  const ArgumentDifference difference = compareArguments(argc, argv, count, typed);
  freeAll(typed, count);
  printArgumentDifference(stream, difference, codePage, prefix);
  return difference.kind == ArgumentDifference::Kind::kNone;
}
