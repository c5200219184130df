#include "faxsim/store_warning.h"

#include <atomic>
#include <filesystem>
#include <system_error>

#include "faxsim/env_warning.h"
#include "faxsim/store_schema.h"
#include "sqlite/file_name.h"
#include "sqlite/sqlite_db.h"

namespace faxsim {

std::string unusableStoreProblem(const std::string& path) {
  if (path.empty())
    return "";
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::file_status status = fs::status(sqlite::fileSystemPath(path), ec);
  if (status.type() == fs::file_type::not_found)
    return "no store at " + path + "; 'faxsim demo' makes one";
  if (fs::is_directory(status))
    return path + " is a directory, not a store";
  sqlite::Database db;
  if (!db.open(path, sqlite::Database::Mode::kReadWrite, 0))
    return "cannot open the store " + path + ": " + db.errorMessage();
  std::string why;
  switch (checkStore(db, &why)) {
    case StoreCheck::kStore:
      return "";
    case StoreCheck::kNotAStore:
      return path + " is not a faxsim store: " + why;
    case StoreCheck::kUnreadable:
      return "cannot read the store " + path + ": " + why;
    case StoreCheck::kStoreError:
      break;
  }
  return "cannot read the store " + path + ": " + db.errorMessage();
}

void warnAboutUnusableStore(const std::string& path) {
  static std::atomic<bool> warned{false};
  if (warned.load())
    return;
  std::string problem = unusableStoreProblem(path);
  if (!problem.empty())
    warnOnce(&warned, problem);
}

}  // namespace faxsim
