#include "faxsim/store_schema.h"

#include <sqlite3.h>

#include <vector>

namespace faxsim {

// Lengths are checked in bytes (CAST AS BLOB), since the element and the user
// record hold bytes: 83 for a fax ID, 21 for a user ID, 25 for a qualifier.
// The index serves RFaxGetFaxList, which lists one owner's faxes by handle.
const char kCreateStoreSql[] = R"sql(
CREATE TABLE servers (
  host TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
  description TEXT NOT NULL DEFAULT '',
  release INTEGER NOT NULL DEFAULT 1568,
  tz_state INTEGER NOT NULL DEFAULT 0,
  bias INTEGER NOT NULL DEFAULT 0,
  standard_bias INTEGER NOT NULL DEFAULT 0,
  daylight_bias INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE users (
  host TEXT NOT NULL COLLATE NOCASE,
  user_id TEXT NOT NULL COLLATE NOCASE
    CHECK (length(CAST(user_id AS BLOB)) BETWEEN 1 AND 21),
  qualifier TEXT NOT NULL DEFAULT '' CHECK (length(CAST(qualifier AS BLOB)) <= 25),
  name TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (host, user_id)
);
CREATE TABLE faxes (
  handle INTEGER PRIMARY KEY CHECK (handle BETWEEN 1 AND 4294967295),
  host TEXT NOT NULL COLLATE NOCASE,
  owner TEXT NOT NULL COLLATE NOCASE,
  fax_id TEXT NOT NULL CHECK (length(CAST(fax_id AS BLOB)) <= 83),
  folder TEXT NOT NULL DEFAULT 'main',
  received INTEGER NOT NULL DEFAULT 1 CHECK (received IN (0, 1)),
  date INTEGER NOT NULL DEFAULT 0 CHECK (date BETWEEN -2147483648 AND 2147483647),
  pages INTEGER NOT NULL DEFAULT 1 CHECK (pages BETWEEN -32768 AND 32767),
  error_code INTEGER NOT NULL DEFAULT 0 CHECK (error_code BETWEEN 0 AND 65535),
  viewed INTEGER NOT NULL DEFAULT 0,
  printed INTEGER NOT NULL DEFAULT 0,
  body_printed INTEGER NOT NULL DEFAULT 0,
  approved INTEGER NOT NULL DEFAULT 0,
  held INTEGER NOT NULL DEFAULT 0,
  user1 INTEGER NOT NULL DEFAULT 0,
  user2 INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX faxes_by_owner ON faxes (host, owner, handle);
CREATE TABLE faults (
  host TEXT NOT NULL COLLATE NOCASE,
  operation TEXT NOT NULL CHECK (operation IN ('connect', 'server_info', 'load_user',
    'fax_list', 'sort', 'element', 'load_fax', 'mark')),
  target TEXT,
  mark_code INTEGER,
  error_code INTEGER NOT NULL CHECK (error_code <> 0),
  remaining INTEGER
);
CREATE TABLE error_texts (code INTEGER PRIMARY KEY, text TEXT NOT NULL);
CREATE TABLE settings (key TEXT PRIMARY KEY, value);
PRAGMA user_version = 1;
)sql";

namespace {
const char* const kServerColumns[] = {"host", "description",   "release",       "tz_state",
                                      "bias", "standard_bias", "daylight_bias", nullptr};
const char* const kUserColumns[] = {"host", "user_id", "qualifier", "name", nullptr};
const char* const kFaxColumns[] = {"handle",   "host",         "owner",    "fax_id",     "folder",
                                   "received", "date",         "pages",    "error_code", "viewed",
                                   "printed",  "body_printed", "approved", "held",       "user1",
                                   "user2",    nullptr};
const char* const kFaultColumns[] = {"host",       "operation", "target", "mark_code",
                                     "error_code", "remaining", nullptr};
const char* const kErrorTextColumns[] = {"code", "text", nullptr};
const char* const kSettingColumns[] = {"key", "value", nullptr};
}  // namespace

const RequiredTable kRequiredTables[] = {
    {"servers", kServerColumns},
    {"users", kUserColumns},
    {"faxes", kFaxColumns},
    {"faults", kFaultColumns},
    {"error_texts", kErrorTextColumns},
    {"settings", kSettingColumns},
};
const size_t kRequiredTableCount = sizeof(kRequiredTables) / sizeof(kRequiredTables[0]);

namespace {

// The names of `table`'s columns; none when there is no such table.
bool readColumnNames(sqlite::Database& db, const char* table, std::vector<std::string>* names) {
  sqlite::Statement info;
  if (!info.prepare(db, "SELECT name FROM pragma_table_info(?1)") || !info.bindText(1, table))
    return false;
  int rc;
  while ((rc = info.step()) == SQLITE_ROW)
    names->emplace_back(info.columnText(0));
  return rc == SQLITE_DONE;
}

// SQLite's names ignore ASCII case: a table declared with "Host" has a
// column host, which every statement of ours reaches.
bool hasColumn(const std::vector<std::string>& names, const char* column) {
  for (const std::string& name : names) {
    if (sqlite3_stricmp(name.c_str(), column) == 0)
      return true;
  }
  return false;
}

}  // namespace

StoreCheck checkStore(sqlite::Database& db, std::string* why) {
  int64_t version = 0;
  if (!db.queryInt("PRAGMA user_version", &version)) {
    // SQLite opens lazily: an unreadable file shows only at the first read.
    *why = db.errorMessage();
    return (db.errorCode() & 0xFF) == SQLITE_NOTADB ? StoreCheck::kNotAStore
                                                    : StoreCheck::kUnreadable;
  }
  if (version != kStoreVersion) {
    *why =
        "its user_version is " + std::to_string(version) + ", not " + std::to_string(kStoreVersion);
    return StoreCheck::kNotAStore;
  }
  for (size_t t = 0; t < kRequiredTableCount; ++t) {
    const RequiredTable& table = kRequiredTables[t];
    std::vector<std::string> names;
    if (!readColumnNames(db, table.name, &names))
      return StoreCheck::kStoreError;
    if (names.empty()) {
      *why = std::string("it has no table ") + table.name;
      return StoreCheck::kNotAStore;
    }
    for (const char* const* column = table.columns; *column != nullptr; ++column) {
      if (!hasColumn(names, *column)) {
        *why = std::string("table ") + table.name + " has no column " + *column;
        return StoreCheck::kNotAStore;
      }
    }
  }
  return StoreCheck::kStore;
}

bool hasStoreVersion(sqlite::Database& db) {
  int64_t version = 0;
  return db.queryInt("PRAGMA user_version", &version) && version == kStoreVersion;
}

}  // namespace faxsim
