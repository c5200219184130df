#include "sqlite/sqlite_db.h"

#include <sqlite3.h>

#include <iterator>
#include <utility>

#include "sqlite/file_name.h"

namespace sqlite {

Database::~Database() {
  close();
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      transactionSteps_(std::move(other.transactionSteps_)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    close();
    db_ = std::exchange(other.db_, nullptr);
    transactionSteps_ = std::move(other.transactionSteps_);
  }
  return *this;
}

bool Database::open(const std::string& path, Mode mode, int busyTimeoutMs) {
  close();
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
  if (mode == Mode::kCreate)
    flags |= SQLITE_OPEN_CREATE;
  // sqlite3_open_v2 hands back a connection even on failure, so that its
  // message can be read; it is kept for errorMessage() and closed later.
  int rc = sqlite3_open_v2(fileNameForSqlite(path).c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK)
    return false;
  sqlite3_extended_result_codes(db_, 1);
  if (busyTimeoutMs > 0)
    sqlite3_busy_timeout(db_, busyTimeoutMs);
  return true;
}

void Database::close() {
  transactionSteps_.reset();
  if (db_ != nullptr) {
    // Statements are owned elsewhere; close_v2 defers until they finalize.
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

bool Database::exec(const char* sql) {
  return db_ != nullptr && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
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
  return db_ != nullptr ? sqlite3_changes(db_) : 0;
}

int64_t Database::lastInsertRowid() const {
  return db_ != nullptr ? sqlite3_last_insert_rowid(db_) : 0;
}

int Database::errorCode() const {
  return db_ != nullptr ? sqlite3_extended_errcode(db_) : SQLITE_CANTOPEN;
}

const char* Database::errorMessage() const {
  return db_ != nullptr ? sqlite3_errmsg(db_) : "no database open";
}

Statement::~Statement() {
  sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

bool Statement::prepare(const Database& db, const char* sql) {
  sqlite3_finalize(stmt_);
  stmt_ = nullptr;
  if (db.handle() == nullptr)
    return false;
  return sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) ==
         SQLITE_OK;
}

bool Statement::bindInt(int index, int64_t value) {
  return sqlite3_bind_int64(stmt_, index, value) == SQLITE_OK;
}

bool Statement::bindNull(int index) {
  return sqlite3_bind_null(stmt_, index) == SQLITE_OK;
}

bool Statement::bindText(int index, std::string_view text) {
  return sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8) == SQLITE_OK;
}

int Statement::step() {
  return stmt_ != nullptr ? sqlite3_step(stmt_) : SQLITE_MISUSE;
}

bool Statement::run() {
  bool done = step() == SQLITE_DONE;
  reset();
  return done;
}

void Statement::reset() {
  if (stmt_ != nullptr) {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
}

int64_t Statement::columnInt(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

bool Statement::columnIsNull(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::string_view Statement::columnText(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  if (text == nullptr)
    return {};
  return {reinterpret_cast<const char*>(text),
          static_cast<size_t>(sqlite3_column_bytes(stmt_, column))};
}

}  // namespace sqlite
