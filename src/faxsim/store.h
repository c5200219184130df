// One connection to a faxsim store: opening it without ever creating or
// altering it, after the check that the file really is a store (the one that
// faxsim shares, store_schema.h), and the statements that the library's calls
// run, prepared once per connection and reused.
#ifndef INKSTAMP_FAXSIM_STORE_H_
#define INKSTAMP_FAXSIM_STORE_H_

#include <stdint.h>

#include <memory>
#include <string>

#include "sqlite/sqlite_db.h"
#include "sqlite/transaction.h"

namespace faxsim {

// Every statement of the library but the marks; see store.cc for the SQL
// and the meaning of their parameters and columns.
struct StoreStatements {
  sqlite::Statement findServer, findUser, findFax;
  sqlite::Statement countMainFolder, listMainFolder, countAllFolders, listAllFolders;
  sqlite::Statement findFault, countDownFault, anyElementFault;
};

class Store {
 public:
  // Opens the store at `path`. false when the file is missing, unreadable,
  // locked past the busy timeout, or not a faxsim store; the file is then
  // left exactly as it was.
  bool open(const std::string& path);
  bool isOpen() const { return db_.isOpen(); }

  StoreStatements& sql() { return *sql_; }
  // The connection, for a sqlite::Transaction around a call's statements.
  sqlite::Database& db() { return db_; }
  // Commits `transaction`, unless the store's file is gone (below): what the
  // transaction did would then be lost while the call reported it done, so
  // it is left to roll back and the call fails.
  bool commit(sqlite::Transaction& transaction);

  // Whether the store's file has been deleted or replaced since it was
  // opened. POSIX lets that happen under an open connection, which then
  // goes on writing to the old file, where nobody will read it again.
  bool fileIsGone() const;

  // Codes 0, 1 and 3 to 13 set or clear a mark.
  static bool isMarkCode(uint16_t code);
  // The UPDATE that applies mark `code` to the fax in parameter 1, prepared
  // on first use; nullptr when `code` is no mark or the statement can't be
  // prepared.
  sqlite::Statement* markStatement(uint16_t code);

 private:
  void useWriteAheadLog();

  sqlite::Database db_;
  std::unique_ptr<StoreStatements> sql_;
  std::unique_ptr<sqlite::Statement[]> marks_;
};

// Opens the store that the environment names for a single look-up outside
// any server session (error texts, the API version). false when there is no
// readable store of our version there.
bool openStoreForLookup(sqlite::Database* db);

// The store path from the process environment; "" when it names none. A
// variable whose value the code page can't hold gets one warning on
// standard error per process.
std::string storePathForLibrary();

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_H_
