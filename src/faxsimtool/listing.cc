#include "faxsimtool/listing.h"

#include <sqlite3.h>

#include "faxsimtool/exit_status.h"
#include "faxsimtool/store.h"

namespace faxsimtool {

namespace {

// One pass over the rows; `print` false measures only.
bool runPass(const Context& ctx, sqlite::Statement& statement, const TableQuery& query,
             TextTable* table, bool print) {
  sqlite::ResetGuard reset(statement);
  if (query.bind)
    query.bind(statement);
  std::vector<std::string> cells;
  int rc;
  while ((rc = statement.step()) == SQLITE_ROW) {
    cells.clear();
    query.format(statement, &cells);
    if (print)
      table->printRow(ctx.out, cells);
    else
      table->measure(cells);
  }
  return rc == SQLITE_DONE;
}

}  // namespace

int printTable(const Context& ctx, sqlite::Database& db, const TableQuery& query, TextTable table) {
  sqlite::Statement statement;
  if (!statement.prepare(db, query.sql) || !db.exec("BEGIN"))
    return ctx.fail(storeError(db));
  bool measured = runPass(ctx, statement, query, &table, false);
  if (measured)
    table.printHeader(ctx.out);
  bool printed = measured && runPass(ctx, statement, query, &table, true);
  std::string error = storeError(db);
  db.exec(printed ? "COMMIT" : "ROLLBACK");
  if (!printed)
    return ctx.fail(error);
  return fflush(ctx.out) == 0 ? kExitOk : ctx.fail("cannot write the listing");
}

std::string markCell(int64_t value) {
  if (value == 0)
    return "-";
  if (value == 1)
    return "yes";
  return std::to_string(value);
}

}  // namespace faxsimtool
