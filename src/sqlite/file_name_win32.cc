// On Windows, narrow names are in the ANSI code page: through UTF-16 to UTF-8.
#include <windows.h>

#include "sqlite/file_name.h"

namespace sqlite {

namespace {

std::wstring ansiToWide(const std::string& text) {
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string wideToUtf8(const std::wstring& wide) {
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                      nullptr, nullptr);
  return text;
}

}  // namespace

std::string fileNameForSqlite(const std::string& path) {
  if (path.empty())
    return path;
  return wideToUtf8(ansiToWide(path));
}

}  // namespace sqlite
