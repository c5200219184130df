// The list commands: servers, users and one user's faxes with every mark.
#include <stdio.h>

#include "faxsimtool/command.h"
#include "faxsimtool/dates.h"
#include "faxsimtool/exit_status.h"
#include "faxsimtool/listing.h"
#include "faxsimtool/lookup.h"

namespace faxsimtool {

namespace {

std::string releaseCell(int64_t release) {
  if (release < 0)
    return std::to_string(release);
  char text[32];
  snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(release));
  return text;
}

std::string textCell(const sqlite::Statement& row, int column) {
  return std::string(row.columnText(column));
}

std::string intCell(const sqlite::Statement& row, int column) {
  return std::to_string(row.columnInt(column));
}

}  // namespace

int runListServers(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  TableQuery query;
  query.sql =
      "SELECT host, release, tz_state, bias, standard_bias, daylight_bias,"
      " (SELECT count(*) FROM users u WHERE u.host = s.host COLLATE NOCASE),"
      " (SELECT count(*) FROM faxes f WHERE f.host = s.host COLLATE NOCASE),"
      " description FROM servers s ORDER BY host COLLATE NOCASE";
  query.format = [](const sqlite::Statement& row, std::vector<std::string>* cells) {
    *cells = {textCell(row, 0), releaseCell(row.columnInt(1)),
              intCell(row, 2),  intCell(row, 3),
              intCell(row, 4),  intCell(row, 5),
              intCell(row, 6),  intCell(row, 7),
              textCell(row, 8)};
  };
  return printTable(ctx, db, query,
                    {{"HOST", false},
                     {"RELEASE", true},
                     {"TZ STATE", true},
                     {"BIAS", true},
                     {"STANDARD BIAS", true},
                     {"DAYLIGHT BIAS", true},
                     {"USERS", true},
                     {"FAXES", true},
                     {"DESCRIPTION", false}});
}

int runListUsers(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  std::string host;
  if (ctx.hasArg(0)) {
    int status = requireServer(ctx, db, ctx.arg(0), &host);
    if (status != kExitOk)
      return status;
  }
  TableQuery query;
  // With no host given, ?1 is NULL and every user is listed.
  query.sql =
      "SELECT host, user_id, qualifier, name,"
      " (SELECT count(*) FROM faxes f WHERE f.host = u.host COLLATE NOCASE"
      "  AND f.owner = u.user_id COLLATE NOCASE)"
      " FROM users u WHERE ?1 IS NULL OR host = ?1 COLLATE NOCASE"
      " ORDER BY host COLLATE NOCASE, user_id COLLATE NOCASE";
  query.bind = [&](sqlite::Statement& statement) {
    if (!host.empty())
      statement.bindText(1, host);
  };
  query.format = [](const sqlite::Statement& row, std::vector<std::string>* cells) {
    *cells = {textCell(row, 0), textCell(row, 1), textCell(row, 2), textCell(row, 3),
              intCell(row, 4)};
  };
  return printTable(ctx, db, query,
                    {{"HOST", false},
                     {"USER ID", false},
                     {"QUALIFIER", false},
                     {"NAME", false},
                     {"FAXES", true}});
}

int runListFaxes(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  std::string host, owner;
  int status = requireUser(ctx, db, ctx.arg(0), ctx.arg(1), &host, &owner);
  if (status != kExitOk)
    return status;
  TableQuery query;
  query.sql =
      "SELECT handle, fax_id, folder, received, date, pages, error_code, viewed, printed,"
      " body_printed, approved, held, user1, user2 FROM faxes"
      " WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE ORDER BY handle";
  query.bind = [&](sqlite::Statement& statement) {
    statement.bindText(1, host);
    statement.bindText(2, owner);
  };
  query.format = [](const sqlite::Statement& row, std::vector<std::string>* cells) {
    *cells = {intCell(row, 0),
              textCell(row, 1),
              textCell(row, 2),
              row.columnInt(3) != 0 ? "received" : "sent",
              formatDateMinute(row.columnInt(4)),
              intCell(row, 5),
              intCell(row, 6)};
    for (int column = 7; column <= 13; ++column)
      cells->push_back(markCell(row.columnInt(column)));
  };
  return printTable(ctx, db, query,
                    {{"HANDLE", true},
                     {"FAX ID", false},
                     {"FOLDER", false},
                     {"DIRECTION", false},
                     {"DATE (UTC)", false},
                     {"PAGES", true},
                     {"ERROR", true},
                     {"VIEWED", false},
                     {"PRINTED", false},
                     {"BODY PRINTED", false},
                     {"APPROVED", false},
                     {"HELD", false},
                     {"USER1", false},
                     {"USER2", false}});
}

}  // namespace faxsimtool
