// The INSERT statements of the rows faxsim writes, and their bindings.
#include "faxsimtool/rows.h"

namespace faxsimtool {

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
  insert.bindText(1, row.host);
  insert.bindText(2, row.description);
  insert.bindInt(3, row.release);
  insert.bindInt(4, row.tzState);
  insert.bindInt(5, row.bias);
  insert.bindInt(6, row.standardBias);
  insert.bindInt(7, row.daylightBias);
}

void bindRow(sqlite::Statement& insert, const UserRow& row) {
  insert.bindText(1, row.host);
  insert.bindText(2, row.userId);
  insert.bindText(3, row.qualifier);
  insert.bindText(4, row.name);
}

void bindRow(sqlite::Statement& insert, const FaxRow& row) {
  insert.bindInt(1, row.handle);
  insert.bindText(2, row.host);
  insert.bindText(3, row.owner);
  insert.bindText(4, row.faxId);
  insert.bindText(5, row.folder);
  insert.bindInt(6, row.received ? 1 : 0);
  insert.bindInt(7, row.date);
  insert.bindInt(8, row.pages);
  insert.bindInt(9, row.errorCode);
  for (int mark = 0; mark < kFaxMarkCount; ++mark)
    insert.bindInt(10 + mark, row.marks[mark] ? 1 : 0);
}

}  // namespace faxsimtool
