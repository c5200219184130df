#include "faxsim/store.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <atomic>
#include <string_view>
#include <vector>

#include "faxsim/env_warning.h"
#include "faxsim/store_path.h"
#include "faxsim/store_schema.h"

namespace faxsim {

namespace {

// Columns compared without regard to case carry an explicit COLLATE NOCASE,
// and the main folder an explicit COLLATE BINARY, so that the comparisons
// hold in a store whose columns were declared without collations. On a
// store of our own the NOCASE columns still use their indexes.
constexpr const char* kFindServer =
    "SELECT host, description, release, tz_state, bias, standard_bias, daylight_bias"
    " FROM servers WHERE host = ?1 COLLATE NOCASE LIMIT 1";
// Should a store hold two users whose IDs differ only in case, the one
// spelled exactly as asked wins.
constexpr const char* kFindUser =
    "SELECT user_id, qualifier, name FROM users"
    " WHERE host = ?1 COLLATE NOCASE AND user_id = ?2 COLLATE NOCASE"
    " ORDER BY user_id = ?2 COLLATE BINARY DESC LIMIT 1";
constexpr const char* kFindFax =
    "SELECT fax_id, owner, folder, received, date, pages, error_code,"
    " viewed, printed, body_printed, approved, held, user1, user2"
    " FROM faxes WHERE handle = ?1 AND host = ?2 COLLATE NOCASE";
constexpr const char* kCountMainFolder =
    "SELECT count(*) FROM faxes WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE"
    " AND folder = 'main' COLLATE BINARY";
constexpr const char* kListMainFolder =
    "SELECT handle, received, viewed, date, pages, error_code, fax_id FROM faxes"
    " WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE"
    " AND folder = 'main' COLLATE BINARY ORDER BY handle";
constexpr const char* kCountAllFolders =
    "SELECT count(*) FROM faxes WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE";
constexpr const char* kListAllFolders =
    "SELECT handle, received, viewed, date, pages, error_code, fax_id FROM faxes"
    " WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE ORDER BY handle";
// ?3 (target) and ?4 (mark code) are NULL for operations that have none, so
// that a row setting either never matches them. A row whose error code is 0
// would make a failing call report success, so it never fires.
constexpr const char* kFindFault =
    "SELECT rowid, error_code, remaining FROM faults"
    " WHERE host = ?1 COLLATE NOCASE AND operation = ?2"
    " AND (target IS NULL OR target = ?3 COLLATE BINARY)"
    " AND (mark_code IS NULL OR mark_code = ?4)"
    " AND error_code <> 0 AND (remaining IS NULL OR remaining > 0)"
    " ORDER BY rowid LIMIT 1";
constexpr const char* kCountDownFault =
    "UPDATE faults SET remaining = remaining - 1 WHERE rowid = ?1";
constexpr const char* kAnyElementFault =
    "SELECT 1 FROM faults WHERE host = ?1 COLLATE NOCASE AND operation = 'element'"
    " AND mark_code IS NULL AND error_code <> 0 AND (remaining IS NULL OR remaining > 0)"
    " LIMIT 1";

// The UPDATE of each mark code; nullptr where the code is no mark.
constexpr int kMarkCodeCount = 14;
constexpr const char* kMarkSql[kMarkCodeCount] = {
    "UPDATE faxes SET viewed = 1 WHERE handle = ?1",
    "UPDATE faxes SET viewed = 0 WHERE handle = ?1",
    nullptr,
    "UPDATE faxes SET printed = 1 WHERE handle = ?1",
    "UPDATE faxes SET printed = 0, body_printed = 0 WHERE handle = ?1",
    "UPDATE faxes SET held = 0 WHERE handle = ?1",
    "UPDATE faxes SET held = 1 WHERE handle = ?1",
    "UPDATE faxes SET body_printed = 1 WHERE handle = ?1",
    "UPDATE faxes SET approved = 1 WHERE handle = ?1",
    "UPDATE faxes SET approved = 0 WHERE handle = ?1",
    "UPDATE faxes SET user1 = 1 WHERE handle = ?1",
    "UPDATE faxes SET user1 = 0 WHERE handle = ?1",
    "UPDATE faxes SET user2 = 1 WHERE handle = ?1",
    "UPDATE faxes SET user2 = 0 WHERE handle = ?1",
};

bool prepareAll(const sqlite::Database& db, StoreStatements* s) {
  return s->findServer.prepare(db, kFindServer) && s->findUser.prepare(db, kFindUser) &&
         s->findFax.prepare(db, kFindFax) && s->countMainFolder.prepare(db, kCountMainFolder) &&
         s->listMainFolder.prepare(db, kListMainFolder) &&
         s->countAllFolders.prepare(db, kCountAllFolders) &&
         s->listAllFolders.prepare(db, kListAllFolders) && s->findFault.prepare(db, kFindFault) &&
         s->countDownFault.prepare(db, kCountDownFault) &&
         s->anyElementFault.prepare(db, kAnyElementFault);
}

}  // namespace

bool Store::open(const std::string& path) {
  sql_.reset();
  marks_.reset();
  // kReadWrite never creates the file. Everything up to the store check only
  // reads, so a foreign file is left untouched.
  std::string why;
  if (path.empty() || !db_.open(path, sqlite::Database::Mode::kReadWrite, kBusyTimeoutMs) ||
      checkStore(db_, &why) != StoreCheck::kStore) {
    db_.close();
    return false;
  }
  useWriteAheadLog();
  // With the write-ahead log, NORMAL still keeps every commit through a
  // crash of the process; only a power loss may drop the last ones.
  db_.exec("PRAGMA synchronous = NORMAL");
  db_.exec("PRAGMA cache_size = -32768");
  db_.exec("PRAGMA mmap_size = 67108864");
  sql_ = std::make_unique<StoreStatements>();
  marks_ = std::make_unique<sqlite::Statement[]>(kMarkCodeCount);
  if (!prepareAll(db_, sql_.get())) {
    sql_.reset();
    db_.close();
    return false;
  }
  return true;
}

void Store::useWriteAheadLog() {
  sqlite::Statement mode;
  if (mode.prepare(db_, "PRAGMA journal_mode") && mode.step() == SQLITE_ROW &&
      sqlite3_stricmp(std::string(mode.columnText(0)).c_str(), "wal") == 0)
    return;
  mode.reset();
  // Fails on a read-only file or while another process holds the store;
  // either way the store still serves, only with less concurrency.
  db_.exec("PRAGMA journal_mode = WAL");
}

bool Store::fileIsGone() const {
  int moved = 0;
  // A file system that can't tell (SQLITE_NOTFOUND) never reports it gone.
  return sqlite3_file_control(db_.handle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
         moved != 0;
}

bool Store::isMarkCode(uint16_t code) {
  return code < kMarkCodeCount && kMarkSql[code] != nullptr;
}

sqlite::Statement* Store::markStatement(uint16_t code) {
  if (!isMarkCode(code) || !marks_)
    return nullptr;
  sqlite::Statement& statement = marks_[code];
  if (!statement.isPrepared() && !statement.prepare(db_, kMarkSql[code]))
    return nullptr;
  return &statement;
}

bool Store::commit(sqlite::Transaction& transaction) {
  return !fileIsGone() && transaction.commit();
}

std::string storePathForLibrary() {
  const char* unrepresentable = nullptr;
  std::string path = storePathFromEnvironment(processEnv, &unrepresentable);
  if (unrepresentable != nullptr) {
    // The narrow value shows the user which setting is meant, look-alikes
    // and all.
    static std::atomic<bool> warned{false};
    const char* shown = getenv(unrepresentable);
    warnAboutVariable(&warned, unrepresentable, shown != nullptr ? shown : "",
                      "has a character that the ANSI code page can't represent: no store");
  }
  return path;
}

bool openStoreForLookup(sqlite::Database* db) {
  std::string path = storePathForLibrary();
  return !path.empty() && db->open(path, sqlite::Database::Mode::kReadWrite, kBusyTimeoutMs) &&
         hasStoreVersion(*db);
}

}  // namespace faxsim
