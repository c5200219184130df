// On POSIX, names are bytes that SQLite and the standard library pass to the
// system unchanged.
#include "sqlite/file_name.h"

namespace sqlite {

std::string fileNameForSqlite(const std::string& path) {
  return path;
}

std::filesystem::path fileSystemPath(const std::string& path) {
  return std::filesystem::path(path);
}

std::string narrowName(const std::filesystem::path& path) {
  return path.native();
}

}  // namespace sqlite
