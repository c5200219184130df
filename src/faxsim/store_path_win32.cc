// The default store path on Windows: under the user's local application
// data. The environment is read in its wide form: the narrow one holds a
// look-alike for every character of the user's profile folder that the ANSI
// code page lacks ("Łukasz" as "Lukasz" in code page 1252), which names
// another folder, or none.
#include <string.h>
#include <windows.h>

#include <string>

#include "faxsim/store_path.h"

namespace faxsim {

namespace {

// `wide` in the ANSI code page, false when a character has no exact match.
bool toCodePage(const std::wstring& wide, std::string* narrow) {
  narrow->clear();
  if (wide.empty())
    return true;
  const UINT codePage = GetACP();
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return false;
  narrow->resize(static_cast<size_t>(length));
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, flags, wide.data(), size, narrow->data(),
                                          length, nullptr, utf8 ? nullptr : &usedDefault);
  return written == length && !usedDefault;
}

}  // namespace

const char* processEnv(const char* name) {
  std::wstring wideName(name, name + strlen(name));  // variable names are ASCII
  DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0)
    return nullptr;
  std::wstring value(size, L'\0');
  DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  if (length >= size)  // it grew in between: read it as unset rather than cut
    return nullptr;
  value.resize(length);
  thread_local std::string narrow;
  if (!toCodePage(value, &narrow))
    return kUnrepresentableValue;
  return narrow.c_str();
}

std::string defaultStorePath(const EnvLookup& env, const char** unrepresentable) {
  const char* local;
  if (!readVariable(env, "LOCALAPPDATA", &local, unrepresentable) || local == nullptr)
    return {};
  return std::string(local) + "\\faxsim\\store.db";
}

}  // namespace faxsim
