#include "sqlite/sqlite_db.h"

#include <sqlite3.h>

#include <iterator>

#include "sqlite/file_name.h"

namespace sqlite {

void CloseConnection::operator()(sqlite3* db) const {
  // Statements may be owned elsewhere; close_v2 defers until they finalize.
  sqlite3_close_v2(db);
}

void FinalizeStatement::operator()(sqlite3_stmt* stmt) const {
  sqlite3_finalize(stmt);
}

bool Database::open(const std::string& path, Mode mode, int busyTimeoutMs) {
  close();
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
  if (mode == Mode::kCreate)
    flags |= SQLITE_OPEN_CREATE;
  // sqlite3_open_v2 hands back a connection even on failure, so that its
  // message can be read; it is kept for errorMessage() and closed later.
  sqlite3* opened = nullptr;
  int rc = sqlite3_open_v2(fileNameForSqlite(path).c_str(), &opened, flags, nullptr);
  db_.reset(opened);
  if (rc != SQLITE_OK)
    return false;
  sqlite3_extended_result_codes(db_.get(), 1);
  if (busyTimeoutMs > 0)
    sqlite3_busy_timeout(db_.get(), busyTimeoutMs);
  return true;
}

void Database::close() {
  transactionSteps_.reset();
  db_.reset();
}

bool Database::exec(const char* sql) {
  return db_ != nullptr && sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Database::queryInt(const char* sql, int64_t* value) {
  Statement statement;
  if (!statement.prepare(*this, sql) || statement.step() != SQLITE_ROW)
    return false;
  *value = statement.columnInt(0);
  return true;
}

bool Database::runTransactionStep(TransactionStep step) {
  static const char* const kSql[] = {"BEGIN", "BEGIN IMMEDIATE", "COMMIT", "ROLLBACK"};
  static_assert(std::size(kSql) == static_cast<size_t>(TransactionStep::kCount));
  if (db_ == nullptr)
    return false;
  if (!transactionSteps_)
    transactionSteps_ = std::make_unique<Statement[]>(std::size(kSql));
  Statement& statement = transactionSteps_[static_cast<size_t>(step)];
  if (!statement.isPrepared() && !statement.prepare(*this, kSql[static_cast<size_t>(step)]))
    return false;
  return statement.run();
}

int64_t Database::changes() const {
  return db_ != nullptr ? sqlite3_changes(db_.get()) : 0;
}

int64_t Database::lastInsertRowid() const {
  return db_ != nullptr ? sqlite3_last_insert_rowid(db_.get()) : 0;
}

int Database::errorCode() const {
  return db_ != nullptr ? sqlite3_extended_errcode(db_.get()) : SQLITE_CANTOPEN;
}

const char* Database::errorMessage() const {
  return db_ != nullptr ? sqlite3_errmsg(db_.get()) : "no database open";
}

bool Statement::prepare(const Database& db, const char* sql) {
  stmt_.reset();
  if (db.handle() == nullptr)
    return false;
  sqlite3_stmt* prepared = nullptr;
  int rc = sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr);
  stmt_.reset(prepared);
  return rc == SQLITE_OK;
}

bool Statement::bindInt(int index, int64_t value) {
  return sqlite3_bind_int64(stmt_.get(), index, value) == SQLITE_OK;
}

bool Statement::bindNull(int index) {
  return sqlite3_bind_null(stmt_.get(), index) == SQLITE_OK;
}

bool Statement::bindText(int index, std::string_view text) {
  return sqlite3_bind_text64(stmt_.get(), index, text.data(), text.size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8) == SQLITE_OK;
}

int Statement::step() {
  return stmt_ != nullptr ? sqlite3_step(stmt_.get()) : SQLITE_MISUSE;
}

bool Statement::run() {
  bool done = step() == SQLITE_DONE;
  reset();
  return done;
}

void Statement::reset() {
  if (stmt_ != nullptr) {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
  }
}

int64_t Statement::columnInt(int column) const {
  return sqlite3_column_int64(stmt_.get(), column);
}

bool Statement::columnIsNull(int column) const {
  return sqlite3_column_type(stmt_.get(), column) == SQLITE_NULL;
}

std::string_view Statement::columnText(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_.get(), column);
  if (text == nullptr)
    return {};
  return {reinterpret_cast<const char*>(text),
          static_cast<size_t>(sqlite3_column_bytes(stmt_.get(), column))};
}

}  // namespace sqlite
