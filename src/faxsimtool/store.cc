#include "faxsimtool/store.h"

#include <sqlite3.h>

#include <filesystem>
#include <set>

#include "faxsim/store_schema.h"
#include "faxsimtool/exit_status.h"

namespace faxsimtool {

namespace fs = std::filesystem;

namespace {

// The files SQLite keeps beside a database while it is in use.
const char* const kSideFileSuffixes[] = {"-wal", "-shm", "-journal"};

void removeWithSideFiles(const std::string& path) {
  std::error_code ignored;
  fs::remove(fs::path(path), ignored);
  for (const char* suffix : kSideFileSuffixes)
    fs::remove(fs::path(path + suffix), ignored);
}

bool checkTables(sqlite::Database& db, const std::string& path, std::string* error) {
  sqlite::Statement columns;
  if (!columns.prepare(db, "SELECT name FROM pragma_table_info(?1)")) {
    *error = storeError(db);
    return false;
  }
  for (size_t t = 0; t < faxsim::kRequiredTableCount; ++t) {
    const faxsim::RequiredTable& table = faxsim::kRequiredTables[t];
    std::set<std::string, std::less<>> present;
    columns.bindText(1, table.name);
    while (columns.step() == SQLITE_ROW)
      present.emplace(columns.columnText(0));
    columns.reset();
    if (present.empty()) {
      *error = path + " is not a faxsim store: it has no table " + table.name;
      return false;
    }
    for (const char* const* column = table.columns; *column != nullptr; ++column) {
      if (present.find(std::string_view(*column)) == present.end()) {
        *error = path + " is not a faxsim store: table " + table.name + " has no column " + *column;
        return false;
      }
    }
  }
  return true;
}

bool buildStore(const std::string& path, const StoreSeed& seed, std::string* error) {
  sqlite::Database db;
  if (!db.open(path, sqlite::Database::Mode::kCreate, kBusyTimeoutMs)) {
    *error = "cannot create " + path + ": " + db.errorMessage();
    return false;
  }
  if (!db.exec("PRAGMA journal_mode = WAL")) {
    *error = storeError(db);
    return false;
  }
  Transaction transaction(db);
  if (!transaction.begin() || !db.exec(faxsim::kCreateStoreSql)) {
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
  fs::file_status status = fs::status(fs::path(path), ec);
  if (!fs::exists(status)) {
    *error = "no store at " + path + " (create one with 'faxsim create' or 'faxsim demo')";
    return false;
  }
  if (fs::is_directory(status)) {
    *error = path + " is a directory, not a store";
    return false;
  }
  if (!db->open(path, sqlite::Database::Mode::kReadWrite, kBusyTimeoutMs)) {
    *error = "cannot open " + path + ": " + db->errorMessage();
    return false;
  }
  int64_t version = 0;
  if (!db->queryInt("PRAGMA user_version", &version)) {
    // SQLite opens lazily: an unreadable file shows only at the first read.
    if ((db->errorCode() & 0xFF) == SQLITE_NOTADB)
      *error = path + " is not a faxsim store: " + db->errorMessage();
    else
      *error = "cannot read " + path + ": " + db->errorMessage();
    return false;
  }
  if (version != faxsim::kStoreVersion) {
    *error = path + " is not a faxsim store: its user_version is " + std::to_string(version) +
             ", not " + std::to_string(faxsim::kStoreVersion);
    return false;
  }
  return checkTables(*db, path, error);
}

bool createStore(const std::string& path, bool replace, const StoreSeed& seed, std::string* error) {
  fs::path target(path);
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
      *error = "cannot create directory " + target.parent_path().string() + ": " + ec.message();
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
    fs::remove(fs::path(path + suffix), ec);
  fs::rename(fs::path(staging), target, ec);
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

Transaction::~Transaction() {
  if (active_)
    db_.exec("ROLLBACK");
}

bool Transaction::begin() {
  active_ = db_.exec("BEGIN IMMEDIATE");
  return active_;
}

bool Transaction::commit() {
  if (!db_.exec("COMMIT"))
    return false;
  active_ = false;
  return true;
}

}  // namespace faxsimtool
