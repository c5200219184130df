// The INSERT of each row and its bindings.
#include "faxsim/store_rows.h"

namespace faxsim {

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

}  // namespace faxsim
