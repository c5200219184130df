// The list commands: servers, users, one user's faxes with every mark, and
// faults, each printed as an aligned text table. The faxes may be narrowed to
// the fax IDs that inkstamp's patterns select, one direction and one folder.
//
// A table is measured row by row and then printed row by row: its query runs
// twice inside one read transaction, first to measure the columns and then
// to print, so both passes see the same rows and none of them is held in
// memory, a million faxes included. Columns are two spaces apart; lines carry
// no trailing blanks.
#include <sqlite3.h>
#include <stdint.h>
#include <stdio.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "faxclient/fax_records.h"
#include "faxsimtool/command_table.h"
#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"
#include "faxsimtool/store_lookup.h"
#include "inkstamp/wildcard.h"

namespace faxsimtool {

namespace {

struct TableColumn {
  const char* header;
  bool rightAligned;
};

class TextTable {
 public:
  TextTable(std::initializer_list<TableColumn> columns);

  // Widens the columns to fit `cells` (one per column).
  void measure(const std::vector<std::string>& cells);
  void printHeader(FILE* out) const;
  void printRow(FILE* out, const std::vector<std::string>& cells) const;

 private:
  void printCells(FILE* out, const std::vector<std::string>& cells) const;

  std::vector<TableColumn> columns_;
  std::vector<size_t> widths_;
};

// The width of a UTF-8 text in characters (bytes that do not continue one),
// so that a user's name with accents lines up like any other.
size_t displayWidth(const std::string& text) {
  size_t width = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
      ++width;
  }
  return width;
}

TextTable::TextTable(std::initializer_list<TableColumn> columns) : columns_(columns) {
  for (const TableColumn& column : columns_)
    widths_.push_back(displayWidth(column.header));
}

void TextTable::measure(const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size() && i < widths_.size(); ++i) {
    size_t width = displayWidth(cells[i]);
    if (width > widths_[i])
      widths_[i] = width;
  }
}

void TextTable::printHeader(FILE* out) const {
  std::vector<std::string> headers;
  for (const TableColumn& column : columns_)
    headers.emplace_back(column.header);
  printCells(out, headers);
}

void TextTable::printRow(FILE* out, const std::vector<std::string>& cells) const {
  printCells(out, cells);
}

void TextTable::printCells(FILE* out, const std::vector<std::string>& cells) const {
  std::string line;
  for (size_t i = 0; i < columns_.size(); ++i) {
    const std::string& cell = i < cells.size() ? cells[i] : std::string();
    size_t width = displayWidth(cell);
    size_t padding = widths_[i] > width ? widths_[i] - width : 0;
    if (i > 0)
      line += "  ";
    if (columns_[i].rightAligned)
      line.append(padding, ' ');
    line += cell;
    if (!columns_[i].rightAligned)
      line.append(padding, ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  line += '\n';
  fwrite(line.data(), 1, line.size(), out);
}

struct TableQuery {
  const char* sql;
  // Binds the statement's parameters; called before each pass.
  std::function<void(sqlite::Statement& statement)> bind;
  // Whether the current row is listed; every row is when empty.
  std::function<bool(const sqlite::Statement& row)> keep;
  // Turns the current row into one cell per column.
  std::function<void(const sqlite::Statement& row, std::vector<std::string>* cells)> format;
};

// One pass over the rows; `print` false measures only.
bool runPass(const Context& ctx, sqlite::Statement& statement, const TableQuery& query,
             TextTable* table, bool print) {
  sqlite::ResetGuard reset(statement);
  if (query.bind)
    query.bind(statement);
  std::vector<std::string> cells;
  int rc;
  while ((rc = statement.step()) == SQLITE_ROW) {
    if (query.keep && !query.keep(statement))
      continue;
    cells.clear();
    query.format(statement, &cells);
    if (print)
      table->printRow(ctx.out, cells);
    else
      table->measure(cells);
  }
  return rc == SQLITE_DONE;
}

// Prints the table and returns kExitOk, or reports a store error.
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

// The marks of a fax in one cell, a letter each in a fixed place, as `ls -l`
// shows permissions: "-" for a mark that is not set, "?" for a value other
// than 0 and 1 that a store made by another program might hold. One column
// rather than seven keeps the table inside 100 columns.
const char kMarkLetters[] = "VPBAH12";

std::string marksCell(const sqlite::Statement& row, int firstColumn) {
  std::string cell;
  for (int i = 0; kMarkLetters[i] != '\0'; ++i) {
    int64_t value = row.columnInt(firstColumn + i);
    cell += value == 0 ? '-' : value == 1 ? kMarkLetters[i] : '?';
  }
  return cell;
}

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

// The filters of list-faxes; all of them must keep a fax for it to be listed.
struct FaxFilter {
  std::vector<std::string> patterns;  // the fax ID matches one; any ID when none
  std::optional<bool> received;       // the direction; both when unset
  std::optional<std::string> folder;  // the folder, exactly so spelled; all when unset
};

// Reads the filter options; reports a bad one as a usage error.
bool readFaxFilter(const Context& ctx, FaxFilter* filter) {
  for (const auto& [name, value] : ctx.args.options) {
    if (name != "--pattern")
      continue;
    if (!ctx.checkLength(value, "--pattern", SIZE_MAX, false))
      return false;
    filter->patterns.emplace_back(value);
  }
  if (std::optional<std::string_view> direction = ctx.args.value("--direction")) {
    // The listing writes "recv", so that is taken as well as the word.
    bool received = *direction == "received" || *direction == "recv";
    if (!received && *direction != "sent") {
      ctx.usage("unknown direction " + quoted(*direction) + " (one of received, recv, sent)");
      return false;
    }
    filter->received = received;
  }
  std::optional<std::string_view> folder = ctx.args.value("--folder");
  if (folder && !ctx.checkLength(*folder, "--folder", SIZE_MAX, false))
    return false;
  if (folder && *folder != "all")
    filter->folder = std::string(*folder);
  return true;
}

// Direction and fax ID, read as the library reads them into a fax list's
// element, so that a pattern keeps exactly the faxes that inkstamp selects:
// the ID is cut at its first NUL byte and at the element's 83 bytes.
bool keepFax(const FaxFilter& filter, const sqlite::Statement& row) {
  if (filter.received && (row.columnInt(3) != 0) != *filter.received)
    return false;
  if (filter.patterns.empty())
    return true;
  std::string faxId(row.columnText(1).substr(0, sizeof(FaxListElement::faxId) - 1));
  for (const std::string& pattern : filter.patterns) {
    if (matchWildcard(faxId.c_str(), pattern.c_str()))
      return true;
  }
  return false;
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
  FaxFilter filter;
  if (!readFaxFilter(ctx, &filter))
    return kExitUsage;
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  std::string host, owner;
  int status = requireUser(ctx, db, ctx.arg(0), ctx.arg(1), &host, &owner);
  if (status != kExitOk)
    return status;
  TableQuery query;
  // The folder compares as the library's main-folder view compares "main":
  // byte for byte. ?3 is NULL for every folder.
  query.sql =
      "SELECT handle, fax_id, folder, received, date, pages, error_code, viewed, printed,"
      " body_printed, approved, held, user1, user2 FROM faxes"
      " WHERE host = ?1 COLLATE NOCASE AND owner = ?2 COLLATE NOCASE"
      " AND (?3 IS NULL OR folder = ?3 COLLATE BINARY) ORDER BY handle";
  query.bind = [&](sqlite::Statement& statement) {
    statement.bindText(1, host);
    statement.bindText(2, owner);
    if (filter.folder)
      statement.bindText(3, *filter.folder);
  };
  query.keep = [&](const sqlite::Statement& row) { return keepFax(filter, row); };
  query.format = [](const sqlite::Statement& row, std::vector<std::string>* cells) {
    *cells = {formatHandle(row.columnInt(0)),
              textCell(row, 1),
              textCell(row, 2),
              row.columnInt(3) != 0 ? "recv" : "sent",
              formatDateMinute(row.columnInt(4)),
              intCell(row, 5),
              intCell(row, 6),
              marksCell(row, 7)};
  };
  return printTable(ctx, db, query,
                    {{"HANDLE", false},
                     {"FAX ID", false},
                     {"FOLDER", false},
                     {"DIR", false},
                     {"DATE (UTC)", false},
                     {"PAGES", true},
                     {"ERROR", true},
                     {"MARKS", false}});
}

int runListFaults(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  std::string host = ctx.hasArg(0) ? std::string(ctx.arg(0)) : std::string();
  TableQuery query;
  query.sql =
      "SELECT rowid, host, operation, target, mark_code, error_code, remaining FROM faults"
      " WHERE ?1 IS NULL OR host = ?1 COLLATE NOCASE ORDER BY rowid";
  query.bind = [&](sqlite::Statement& statement) {
    if (ctx.hasArg(0))
      statement.bindText(1, host);
  };
  query.format = [](const sqlite::Statement& row, std::vector<std::string>* cells) {
    std::string remaining = "always";
    if (!row.columnIsNull(6)) {
      int64_t left = row.columnInt(6);
      remaining = left > 0 ? std::to_string(left) : "spent";
    }
    *cells = {std::to_string(row.columnInt(0)),
              std::string(row.columnText(1)),
              std::string(row.columnText(2)),
              row.columnIsNull(3) ? "any" : quoted(row.columnText(3)),
              row.columnIsNull(4) ? "any" : std::to_string(row.columnInt(4)),
              std::to_string(row.columnInt(5)),
              remaining};
  };
  return printTable(ctx, db, query,
                    {{"ID", true},
                     {"HOST", false},
                     {"OPERATION", false},
                     {"TARGET", false},
                     {"MARK CODE", true},
                     {"ERROR", true},
                     {"REMAINING", true}});
}

}  // namespace faxsimtool
