// On POSIX, names are bytes that SQLite passes to open() unchanged.
#include "sqlite/file_name.h"

namespace sqlite {

std::string fileNameForSqlite(const std::string& path) {
  return path;
}

}  // namespace sqlite
