// The rows of a store's servers, users and faxes tables as faxsim finds and
// adds them.
//
// Servers and users are found the way the simulator finds them: hosts and
// user IDs compare without regard to ASCII case (the columns' NOCASE
// collation), and what is found is spelled as the store spells it, so that
// rows faxsim adds name their server and owner exactly as the rows they
// belong to.
//
// Each row has one INSERT, so that the add commands, the demo and the fax
// generator write them alike. A RowInsert is prepared once and reused for
// every row, which is where SQLite's cost per row goes.
#ifndef INKSTAMP_FAXSIMTOOL_STORE_ROWS_H_
#define INKSTAMP_FAXSIMTOOL_STORE_ROWS_H_

#include <stdint.h>

#include <array>
#include <string>
#include <string_view>

#include "faxsimtool/command.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {

// 1 when found (with the stored spelling), 0 when not, -1 on a store error.
int findServer(sqlite::Database& db, std::string_view host, std::string* storedHost);
int findUser(sqlite::Database& db, std::string_view storedHost, std::string_view userId,
             std::string* storedUserId);

// Each returns kExitOk with the stored spelling, or reports the problem and
// returns the exit status.
int requireServer(const Context& ctx, sqlite::Database& db, std::string_view host,
                  std::string* storedHost);
int requireUser(const Context& ctx, sqlite::Database& db, std::string_view host,
                std::string_view userId, std::string* storedHost, std::string* storedUserId);

// The largest fax handle in the store, 0 when it has none (or, in a store
// made by another program, only handles below 1); -1 on a store error.
int64_t maxFaxHandle(sqlite::Database& db);

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

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_STORE_ROWS_H_
