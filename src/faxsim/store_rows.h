// The rows of a store's servers, users and faxes tables, and the one INSERT
// of each, so that faxsim's add commands, its demo and fax generator and the
// tests' stores write them alike. A RowInsert is prepared once and reused for
// every row, which is where SQLite's cost per row goes.
#ifndef INKSTAMP_FAXSIM_STORE_ROWS_H_
#define INKSTAMP_FAXSIM_STORE_ROWS_H_

#include <stdint.h>

#include <array>
#include <string_view>

#include "sqlite/sqlite_db.h"

namespace faxsim {

struct ServerRow {
  static const char* const kInsertSql;

  std::string_view host;
  std::string_view description;
  int64_t release = 0;
  int64_t tzState = 0;
  int64_t bias = 0;
  int64_t standardBias = 0;
  int64_t daylightBias = 0;
};

struct UserRow {
  static const char* const kInsertSql;

  std::string_view host;
  std::string_view userId;
  std::string_view qualifier;
  std::string_view name;
};

// A fax's marks, in the order of the faxes table's mark columns.
enum FaxMark { kViewed, kPrinted, kBodyPrinted, kApproved, kHeld, kUser1, kUser2, kFaxMarkCount };

struct FaxRow {
  static const char* const kInsertSql;

  int64_t handle = 0;
  std::string_view host = {};
  std::string_view owner = {};
  std::string_view faxId = {};
  std::string_view folder = {};
  bool received = true;
  int64_t date = 0;
  int64_t pages = 1;
  int64_t errorCode = 0;
  std::array<bool, kFaxMarkCount> marks = {};
};

// How a row fills the parameters of its kInsertSql.
void bindRow(sqlite::Statement& insert, const ServerRow& row);
void bindRow(sqlite::Statement& insert, const UserRow& row);
void bindRow(sqlite::Statement& insert, const FaxRow& row);

// Inserts rows of one table with a statement prepared once. Each call
// returns false on a store error, which the database then holds.
template <typename Row>
class RowInsert {
 public:
  bool prepare(const sqlite::Database& db) { return statement_.prepare(db, Row::kInsertSql); }
  bool add(const Row& row) {
    bindRow(statement_, row);
    return statement_.run();
  }

 private:
  sqlite::Statement statement_;
};

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_ROWS_H_
