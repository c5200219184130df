// A small RAII layer over SQLite's C API: a database connection and a
// prepared statement that close themselves. No exceptions: every operation
// returns true or false (or SQLite's result code) and the connection keeps the
// last error message. Statements are meant to be prepared once and reused
// (reset() between runs), which is where SQLite's cost per call goes.
#ifndef INKSTAMP_SQLITE_SQLITE_DB_H_
#define INKSTAMP_SQLITE_SQLITE_DB_H_

#include <stdint.h>

#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlite {

class Statement;

// What closes a connection and what finalizes a statement, so that the
// classes below own their handles through std::unique_ptr: they move, never
// copy, and close themselves.
struct CloseConnection {
  void operator()(sqlite3* db) const;
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* stmt) const;
};

class Database {
 public:
  enum class Mode { kReadWrite, kCreate };

  // Opens `path`. kReadWrite never creates a file; kCreate does. A
  // busyTimeoutMs > 0 makes a locked database be waited for, not refused.
  bool open(const std::string& path, Mode mode, int busyTimeoutMs);
  void close();
  bool isOpen() const { return db_ != nullptr; }

  // Runs one or more statements that return no rows.
  bool exec(const char* sql);
  // Runs a statement that returns one integer (e.g. a PRAGMA); false if it
  // failed or returned no row.
  bool queryInt(const char* sql, int64_t* value);

  int64_t changes() const;
  int64_t lastInsertRowid() const;
  // SQLite's extended code and message of the last failure.
  int errorCode() const;
  const char* errorMessage() const;

  sqlite3* handle() const { return db_.get(); }

  // The statements that begin and end a Transaction (transaction.h). They
  // are prepared on first use and kept while the connection is open: a
  // caller that makes one transaction per call would otherwise prepare them
  // again on every call.
  enum class TransactionStep { kBeginRead, kBeginWrite, kCommit, kRollback, kCount };
  bool runTransactionStep(TransactionStep step);

 private:
  // Declared first so that it closes last: the statements below are
  // finalized before their connection closes.
  std::unique_ptr<sqlite3, CloseConnection> db_;
  std::unique_ptr<Statement[]> transactionSteps_;
};

class Statement {
 public:
  bool prepare(const Database& db, const char* sql);
  bool isPrepared() const { return stmt_ != nullptr; }

  // Bind parameters by 1-based index.
  bool bindInt(int index, int64_t value);
  bool bindNull(int index);
  bool bindText(int index, std::string_view text);
  // Binds `values` to the parameters 1, 2, ... in turn: anything a
  // std::string_view takes as a text, integers and bools as integers.
  template <typename... Values>
  bool bindAll(const Values&... values) {
    int index = 0;
    return (bind(++index, values) && ...);
  }

  // Advances: SQLITE_ROW, SQLITE_DONE or an error code.
  int step();
  // Steps a statement that returns no rows; true on SQLITE_DONE.
  bool run();
  // Clears the run and the bindings for the next use.
  void reset();

  int64_t columnInt(int column) const;
  bool columnIsNull(int column) const;
  // A column's text, valid until the next step() or reset(); "" for NULL.
  std::string_view columnText(int column) const;

 private:
  bool bind(int index, std::string_view text) { return bindText(index, text); }
  bool bind(int index, int64_t value) { return bindInt(index, value); }

  std::unique_ptr<sqlite3_stmt, FinalizeStatement> stmt_;
};

// Resets a statement when it leaves scope, so that a reused statement never
// keeps a read transaction open after its last use.
class ResetGuard {
 public:
  explicit ResetGuard(Statement& statement) : statement_(statement) {}
  ~ResetGuard() { statement_.reset(); }
  ResetGuard(const ResetGuard&) = delete;
  ResetGuard& operator=(const ResetGuard&) = delete;

 private:
  Statement& statement_;
};

}  // namespace sqlite

#endif  // INKSTAMP_SQLITE_SQLITE_DB_H_
