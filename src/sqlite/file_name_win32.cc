// On Windows, narrow names are in the ANSI code page. They go to UTF-16, the
// native encoding of paths, and from there to UTF-8 for SQLite. libstdc++
// would instead read a narrow string byte by byte as U+0000 to U+00FF, which
// is right for code page 1252 at most.
#include <windows.h>

#include "sqlite/file_name.h"

namespace sqlite {

namespace {

std::wstring ansiToWide(const std::string& text) {
  if (text.empty())
    return {};
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string fromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty())
    return {};
  int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                      nullptr, nullptr);
  return text;
}

}  // namespace

std::string fileNameForSqlite(const std::string& path) {
  return fromWide(CP_UTF8, ansiToWide(path));
}

std::filesystem::path fileSystemPath(const std::string& path) {
  return std::filesystem::path(ansiToWide(path));
}

std::string narrowName(const std::filesystem::path& path) {
  return fromWide(CP_ACP, path.native());
}

}  // namespace sqlite
