// Finding servers and users as the simulator does, and the INSERT of each
// row faxsim adds, with its bindings.
#include "faxsimtool/store_rows.h"

#include <sqlite3.h>

#include <initializer_list>

#include "faxsimtool/store_file.h"

namespace faxsimtool {

namespace {

// Runs a one-row, one-text-column query; 1 found, 0 not found, -1 error.
int queryText(sqlite::Database& db, const char* sql, std::initializer_list<std::string_view> params,
              std::string* result) {
  sqlite::Statement statement;
  if (!statement.prepare(db, sql))
    return -1;
  int index = 0;
  for (std::string_view param : params)
    statement.bindText(++index, param);
  int rc = statement.step();
  if (rc == SQLITE_ROW) {
    *result = std::string(statement.columnText(0));
    return 1;
  }
  return rc == SQLITE_DONE ? 0 : -1;
}

}  // namespace

int findServer(sqlite::Database& db, std::string_view host, std::string* storedHost) {
  return queryText(db, "SELECT host FROM servers WHERE host = ?1 COLLATE NOCASE", {host},
                   storedHost);
}

int findUser(sqlite::Database& db, std::string_view storedHost, std::string_view userId,
             std::string* storedUserId) {
  return queryText(db,
                   "SELECT user_id FROM users WHERE host = ?1 COLLATE NOCASE"
                   " AND user_id = ?2 COLLATE NOCASE",
                   {storedHost, userId}, storedUserId);
}

int requireServer(const Context& ctx, sqlite::Database& db, std::string_view host,
                  std::string* storedHost) {
  int found = findServer(db, host, storedHost);
  if (found < 0)
    return ctx.fail(storeError(db));
  if (found == 0)
    return ctx.fail("unknown server " + quoted(host) + ctx.inStore());
  return kExitOk;
}

int requireUser(const Context& ctx, sqlite::Database& db, std::string_view host,
                std::string_view userId, std::string* storedHost, std::string* storedUserId) {
  int status = requireServer(ctx, db, host, storedHost);
  if (status != kExitOk)
    return status;
  int found = findUser(db, *storedHost, userId, storedUserId);
  if (found < 0)
    return ctx.fail(storeError(db));
  if (found == 0)
    return ctx.fail("unknown user " + quoted(userId) + " on server " + *storedHost + ctx.inStore());
  return kExitOk;
}

int64_t maxFaxHandle(sqlite::Database& db) {
  int64_t handle = 0;
  if (!db.queryInt("SELECT max(coalesce(max(handle), 0), 0) FROM faxes", &handle))
    return -1;
  return handle;
}

const char* const ServerRow::kInsertSql =
    "INSERT INTO servers (host, description, release, tz_state, bias, standard_bias,"
    " daylight_bias) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)";

const char* const UserRow::kInsertSql =
    "INSERT INTO users (host, user_id, qualifier, name) VALUES (?1, ?2, ?3, ?4)";

const char* const FaxRow::kInsertSql =
    "INSERT INTO faxes (handle, host, owner, fax_id, folder, received, date, pages,"
    " error_code, viewed, printed, body_printed, approved, held, user1, user2)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)";

void bindRow(sqlite::Statement& insert, const ServerRow& row) {
  insert.bindAll(row.host, row.description, row.release, row.tzState, row.bias, row.standardBias,
                 row.daylightBias);
}

void bindRow(sqlite::Statement& insert, const UserRow& row) {
  insert.bindAll(row.host, row.userId, row.qualifier, row.name);
}

void bindRow(sqlite::Statement& insert, const FaxRow& row) {
  insert.bindAll(row.handle, row.host, row.owner, row.faxId, row.folder, row.received, row.date,
                 row.pages, row.errorCode);
  for (int mark = 0; mark < kFaxMarkCount; ++mark)
    insert.bindInt(10 + mark, row.marks[mark] ? 1 : 0);
}

}  // namespace faxsimtool
