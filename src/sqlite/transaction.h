// A transaction on a SQLite connection that rolls back when it leaves scope
// uncommitted, so that an early return never leaves half a change behind.
// The simulator library and the faxsim tool both write stores through it.
#ifndef INKSTAMP_SQLITE_TRANSACTION_H_
#define INKSTAMP_SQLITE_TRANSACTION_H_

#include "sqlite/sqlite_db.h"

namespace sqlite {

class Transaction {
 public:
  explicit Transaction(Database& db) : db_(db) {}
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // A read transaction: every read in it sees the same snapshot.
  bool beginRead();
  // A write transaction. BEGIN IMMEDIATE takes the write lock up front, so
  // that what is checked before writing is still true when it is written,
  // and a read-then-write never meets a lock it can't wait for.
  bool beginWrite();
  bool commit();

 private:
  Database& db_;
  bool open_ = false;
};

}  // namespace sqlite

#endif  // INKSTAMP_SQLITE_TRANSACTION_H_
