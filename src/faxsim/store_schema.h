// The simulated server's store: the SQL that `faxsim` creates a store with,
// the tables and columns any store must have, and the one check of whether a
// file is a store, which the library and faxsim share so that they always
// agree. A store made by another program with exactly the required columns
// (and no index, constraint or default of ours) is served in full.
#ifndef INKSTAMP_FAXSIM_STORE_SCHEMA_H_
#define INKSTAMP_FAXSIM_STORE_SCHEMA_H_

#include <stddef.h>

#include <string>

#include "sqlite/sqlite_db.h"

namespace faxsim {

// PRAGMA user_version of a store.
constexpr int kStoreVersion = 1;

// A busy store is waited for this long before a library call gives up with
// code 3, or a faxsim command fails; long enough for a bulk insert beside it.
constexpr int kBusyTimeoutMs = 10000;

// Creates every table and index and sets user_version; run in a transaction
// on an empty database.
extern const char kCreateStoreSql[];

struct RequiredTable {
  const char* name;
  const char* const* columns;  // ended by nullptr
};

// The tables and columns that make a file a store.
extern const RequiredTable kRequiredTables[];
extern const size_t kRequiredTableCount;

enum class StoreCheck {
  kStore,
  kNotAStore,   // *why: "its user_version is 0, not 1", "it has no table faxes",
                // "table faxes has no column user2", or SQLite's message for a
                // file that is no database at all
  kUnreadable,  // the file could not be read; *why is SQLite's message
  kStoreError,  // reading the tables failed; the error is on the connection
};

// Whether the database open on `db` is a store: user_version kStoreVersion
// and every required table with every required column. Names compare as
// SQLite compares them, without regard to ASCII case. Only reads.
StoreCheck checkStore(sqlite::Database& db, std::string* why);

// The first step of checkStore() alone, for a single look-up outside any
// server session (an error text, the API version), which simply finds
// nothing in a store that lacks the table it reads.
bool hasStoreVersion(sqlite::Database& db);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_SCHEMA_H_
