// Opening and creating store files. Every command but `create` and `demo`
// works on an existing store and first checks that it is one, with the
// simulator library's own check, so that faxsim works on every store the
// library serves and on no other file. A new store is built in a file of its
// own beside the target and moved into place only when complete, so that a
// failed or interrupted `create --force` leaves the old store as it was.
#ifndef INKSTAMP_FAXSIMTOOL_STORE_FILE_H_
#define INKSTAMP_FAXSIMTOOL_STORE_FILE_H_

#include <functional>
#include <string>

#include "sqlite/sqlite_db.h"

namespace faxsimtool {

// Opens the store at `path` for reading and writing. Fails with a message
// when there is no file, or when the file is not a store.
bool openStore(const std::string& path, sqlite::Database* db, std::string* error);

// Fills a new store inside its creating transaction.
using StoreSeed = std::function<bool(sqlite::Database& db, std::string* error)>;

// Creates a store at `path` (and the directories above it), in WAL mode, with
// the schema and whatever `seed` adds, all in one transaction. An existing
// file is refused unless `replace` is set.
bool createStore(const std::string& path, bool replace, const StoreSeed& seed, std::string* error);

// "store error: " and SQLite's message of the last failure on `db`.
std::string storeError(const sqlite::Database& db);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_STORE_FILE_H_
