// Injected failures: adding and clearing rows of `faults` (list_commands.cc
// lists them). A fault that could never fire is refused rather than stored:
// a target or mark code the simulator would never compare (a target on
// `connect`, a mark code on anything but `mark`), a mark code the program
// never sends, and a load_fax or mark target that is no fax ID on the server.
#include <sqlite3.h>
#include <string.h>

#include "faxclient/client_values.h"
#include "faxsimtool/command_table.h"
#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"
#include "faxsimtool/store_lookup.h"
#include "sqlite/transaction.h"

namespace faxsimtool {

namespace {

const char* const kOperations[] = {"connect", "server_info", "load_user", "fax_list",
                                   "sort",    "element",     "load_fax",  "mark"};

bool knownOperation(std::string_view operation) {
  for (const char* known : kOperations) {
    if (operation == known)
      return true;
  }
  return false;
}

std::string operationList() {
  std::string list;
  for (const char* known : kOperations)
    list += (list.empty() ? "" : ", ") + std::string(known);
  return list;
}

// The target as stored: an element index in plain decimal, or a fax ID.
bool readTarget(const Context& ctx, std::string_view operation, std::string* target) {
  std::string_view text = *ctx.args.value("--target");
  if (operation == "element") {
    int64_t index = 0;
    std::string error;
    if (!parseInteger(text, 0, INT32_MAX, &index, &error)) {
      ctx.usage("--target: " + error + " (an element fault's target is a 0-based index)");
      return false;
    }
    *target = std::to_string(index);
    return true;
  }
  if (operation != "load_fax" && operation != "mark") {
    ctx.usage("--target applies only to the element, load_fax and mark operations");
    return false;
  }
  *target = std::string(text);
  return ctx.checkLength(text, "the target fax ID", 83, true);
}

std::string markCodeList() {
  std::string list;
  for (const faxclient::MarkOption& named : faxclient::kMarkOptions)
    list += (list.empty() ? "" : ", ") + std::string(named.option) + " " + named.name + " " +
            std::to_string(named.code);
  return list;
}

// --mark-code: a code the program sends, by number, by the marking option
// that sends it (-mp) or by its name (printed).
bool readMarkCode(const Context& ctx, int64_t* code) {
  std::optional<std::string_view> text = ctx.args.value("--mark-code");
  if (!text)
    return true;
  for (const faxclient::MarkOption& named : faxclient::kMarkOptions) {
    if (*text == named.option || *text == named.name) {
      *code = named.code;
      return true;
    }
  }
  std::string error;
  int64_t number = 0;
  bool isNumber = parseInteger(*text, 0, UINT16_MAX, &number, &error);
  if (isNumber) {
    for (const faxclient::MarkOption& named : faxclient::kMarkOptions) {
      if (number == named.code) {
        *code = number;
        return true;
      }
    }
  }
  ctx.usage("--mark-code: " + quoted(*text) + " is no mark code the program sends (" +
            markCodeList() + ")");
  return false;
}

// A load_fax or mark fault fires only for a fax with exactly its target as
// ID. kExitOk when the server has one, else the problem reported.
int requireTargetFax(const Context& ctx, sqlite::Database& db, const std::string& host,
                     const std::string& target) {
  sqlite::Statement find;
  if (!find.prepare(db,
                    "SELECT count(*) FROM faxes WHERE host = ?1 COLLATE NOCASE"
                    " AND fax_id = ?2 COLLATE BINARY"))
    return ctx.fail(storeError(db));
  if (!find.bindAll(host, target) || find.step() != SQLITE_ROW)
    return ctx.fail(storeError(db));
  if (find.columnInt(0) == 0)
    return ctx.fail("--target: no fax on server " + host + " has the ID " + quoted(target) +
                    " (compared exactly, case included)" + ctx.inStore() +
                    ", so the fault could never fire");
  return kExitOk;
}

}  // namespace

int runAddFault(const Context& ctx) {
  std::string_view host = ctx.arg(0), operation = ctx.arg(1);
  if (!knownOperation(operation))
    return ctx.usage("unknown fault operation " + quoted(operation) + " (one of " +
                     operationList() + ")");
  int64_t errorCode = 0, markCode = -1, count = -1;
  if (!ctx.checkLength(host, "the host name", SIZE_MAX, false) ||
      !ctx.intArg(2, "ERROR-CODE", INT32_MIN, INT32_MAX, &errorCode) ||
      !readMarkCode(ctx, &markCode) || !ctx.intOption("--count", 1, INT32_MAX, &count))
    return kExitUsage;
  if (errorCode == 0)
    return ctx.usage("ERROR-CODE must not be 0: a fault makes a call fail");
  if (markCode >= 0 && operation != "mark")
    return ctx.usage("--mark-code applies only to the mark operation");
  std::string target;
  bool hasTarget = ctx.args.has("--target");
  if (hasTarget && !readTarget(ctx, operation, &target))
    return kExitUsage;

  sqlite::Database db;
  sqlite::Transaction transaction(db);
  if (int status = ctx.beginWrite(&db, &transaction); status != kExitOk)
    return status;
  // A connection is tried for any host name, known or not; every other
  // operation needs a server in the store.
  std::string storedHost(host);
  if (operation != "connect") {
    int status = requireServer(ctx, db, host, &storedHost);
    if (status != kExitOk)
      return status;
  } else if (findServer(db, host, &storedHost) < 0) {  // not found: kept as given
    return ctx.fail(storeError(db));
  }
  if (hasTarget && operation != "element") {
    int status = requireTargetFax(ctx, db, storedHost, target);
    if (status != kExitOk)
      return status;
  }
  sqlite::Statement insert;
  if (!insert.prepare(db,
                      "INSERT INTO faults (host, operation, target, mark_code, error_code,"
                      " remaining) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"))
    return ctx.fail(storeError(db));
  insert.bindText(1, storedHost);
  insert.bindText(2, operation);
  hasTarget ? insert.bindText(3, target) : insert.bindNull(3);
  markCode >= 0 ? insert.bindInt(4, markCode) : insert.bindNull(4);
  insert.bindInt(5, errorCode);
  count > 0 ? insert.bindInt(6, count) : insert.bindNull(6);
  if (!insert.run())
    return ctx.fail(storeError(db));
  int64_t id = db.lastInsertRowid();
  if (!transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Added fault %lld\n", static_cast<long long>(id));
  return kExitOk;
}

int runClearFaults(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  sqlite::Statement remove;
  if (!remove.prepare(db, "DELETE FROM faults WHERE ?1 IS NULL OR host = ?1 COLLATE NOCASE"))
    return ctx.fail(storeError(db));
  if (ctx.hasArg(0))
    remove.bindText(1, ctx.arg(0));
  if (!remove.run())
    return ctx.fail(storeError(db));
  int64_t cleared = db.changes();
  fprintf(ctx.out, "Cleared %lld %s\n", static_cast<long long>(cleared),
          cleared == 1 ? "fault" : "faults");
  return kExitOk;
}

}  // namespace faxsimtool
