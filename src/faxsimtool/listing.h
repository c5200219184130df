// Printing a query's rows as an aligned table. The query runs twice inside
// one read transaction, first to measure the columns and then to print, so
// both passes see the same rows and none of them is held in memory.
#ifndef INKSTAMP_FAXSIMTOOL_LISTING_H_
#define INKSTAMP_FAXSIMTOOL_LISTING_H_

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "faxsimtool/command.h"
#include "faxsimtool/text_table.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {

struct TableQuery {
  const char* sql;
  // Binds the statement's parameters; called before each pass.
  std::function<void(sqlite::Statement& statement)> bind;
  // Turns the current row into one cell per column.
  std::function<void(const sqlite::Statement& row, std::vector<std::string>* cells)> format;
};

// Prints the table and returns kExitOk, or reports a store error.
int printTable(const Context& ctx, sqlite::Database& db, const TableQuery& query, TextTable table);

// A mark or flag column: "-" for 0, "yes" for 1, the number for anything else
// a foreign store might hold.
std::string markCell(int64_t value);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_LISTING_H_
