// Store files: opening one after the simulator's check, and building a new
// one beside its target before moving it into place. Every path is made from
// the narrow name as SQLite's is (sqlite/file_name.h), so that the checks and
// the renames touch the file that SQLite opens.
#include "faxsimtool/store_file.h"

#include <filesystem>

#include "faxsim/store_schema.h"
#include "sqlite/file_name.h"
#include "sqlite/transaction.h"

namespace faxsimtool {

namespace fs = std::filesystem;

namespace {

// The files SQLite keeps beside a database while it is in use.
const char* const kSideFileSuffixes[] = {"-wal", "-shm", "-journal"};

void removeWithSideFiles(const std::string& path) {
  std::error_code ignored;
  fs::remove(sqlite::fileSystemPath(path), ignored);
  for (const char* suffix : kSideFileSuffixes)
    fs::remove(sqlite::fileSystemPath(path + suffix), ignored);
}

bool buildStore(const std::string& path, const StoreSeed& seed, std::string* error) {
  sqlite::Database db;
  if (!db.open(path, sqlite::Database::Mode::kCreate, faxsim::kBusyTimeoutMs)) {
    *error = "cannot create " + path + ": " + db.errorMessage();
    return false;
  }
  if (!db.exec("PRAGMA journal_mode = WAL")) {
    *error = storeError(db);
    return false;
  }
  sqlite::Transaction transaction(db);
  if (!transaction.beginWrite() || !db.exec(faxsim::kCreateStoreSql)) {
    *error = storeError(db);
    return false;
  }
  if (seed && !seed(db, error))
    return false;
  if (!transaction.commit()) {
    *error = storeError(db);
    return false;
  }
  return true;
}

}  // namespace

bool openStore(const std::string& path, sqlite::Database* db, std::string* error) {
  std::error_code ec;
  fs::file_status status = fs::status(sqlite::fileSystemPath(path), ec);
  if (!fs::exists(status)) {
    *error = "no store at " + path + " (create one with 'faxsim create' or 'faxsim demo')";
    return false;
  }
  if (fs::is_directory(status)) {
    *error = path + " is a directory, not a store";
    return false;
  }
  if (!db->open(path, sqlite::Database::Mode::kReadWrite, faxsim::kBusyTimeoutMs)) {
    *error = "cannot open " + path + ": " + db->errorMessage();
    return false;
  }
  std::string why;
  switch (faxsim::checkStore(*db, &why)) {
    case faxsim::StoreCheck::kStore:
      return true;
    case faxsim::StoreCheck::kNotAStore:
      *error = path + " is not a faxsim store: " + why;
      return false;
    case faxsim::StoreCheck::kUnreadable:
      *error = "cannot read " + path + ": " + why;
      return false;
    case faxsim::StoreCheck::kStoreError:
      break;
  }
  *error = storeError(*db);
  return false;
}

bool createStore(const std::string& path, bool replace, const StoreSeed& seed, std::string* error) {
  fs::path target = sqlite::fileSystemPath(path);
  std::error_code ec;
  // A dangling link counts as an existing file: replacing it needs --force.
  if (fs::exists(fs::symlink_status(target, ec))) {
    if (fs::is_directory(fs::status(target, ec))) {
      *error = path + " is a directory, not a store";
      return false;
    }
    if (!replace) {
      *error = path + " already exists (use --force to replace it)";
      return false;
    }
  }
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
      *error = "cannot create directory " + sqlite::narrowName(target.parent_path()) + ": " +
               ec.message();
      return false;
    }
  }
  std::string staging = path + ".faxsim-new";
  removeWithSideFiles(staging);
  if (!buildStore(staging, seed, error)) {
    removeWithSideFiles(staging);
    return false;
  }
  // The old store's journal files must go before the new file takes its
  // name: SQLite would otherwise replay the old WAL into the new database.
  for (const char* suffix : kSideFileSuffixes)
    fs::remove(sqlite::fileSystemPath(path + suffix), ec);
  fs::rename(sqlite::fileSystemPath(staging), target, ec);
  if (ec) {
    *error = "cannot move the new store to " + path + ": " + ec.message();
    removeWithSideFiles(staging);
    return false;
  }
  return true;
}

std::string storeError(const sqlite::Database& db) {
  return std::string("store error: ") + db.errorMessage();
}

}  // namespace faxsimtool
