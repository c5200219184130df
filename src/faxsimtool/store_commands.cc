// The commands on a store as a whole: the ones that make it (create, demo),
// the one that describes it (info), and the ones that set the values it holds
// for the library to report in place of its own (its API version, the text
// of an error code).
#include <sqlite3.h>

#include <functional>

#include "faxsimtool/command_table.h"
#include "faxsimtool/demo_seed.h"
#include "faxsimtool/store_file.h"

namespace faxsimtool {

int runCreate(const Context& ctx) {
  std::string error;
  if (!createStore(ctx.storePath, ctx.args.has("--force"), nullptr, &error))
    return ctx.fail(error);
  fprintf(ctx.out, "Created store %s\n", ctx.storePath.c_str());
  return kExitOk;
}

int runDemo(const Context& ctx) {
  std::string error;
  if (!createStore(ctx.storePath, ctx.args.has("--force"), seedDemo, &error))
    return ctx.fail(error);
  DemoCounts counts = demoCounts();
  fprintf(ctx.out, "Created demo store %s: %zu servers, %zu users, %zu faxes\n",
          ctx.storePath.c_str(), counts.servers, counts.users, counts.faxes);
  return kExitOk;
}

namespace {

struct Count {
  const char* label;
  const char* sql;
};

const Count kCounts[] = {
    {"Servers", "SELECT count(*) FROM servers"},
    {"Users", "SELECT count(*) FROM users"},
    {"Faxes", "SELECT count(*) FROM faxes"},
    {"Faults", "SELECT count(*) FROM faults"},
    {"Spent faults", "SELECT count(*) FROM faults WHERE remaining <= 0"},
};

bool printSettings(const Context& ctx, sqlite::Database& db) {
  sqlite::Statement settings;
  if (!settings.prepare(db, "SELECT key, value FROM settings ORDER BY key"))
    return false;
  int rc;
  bool any = false;
  while ((rc = settings.step()) == SQLITE_ROW) {
    std::string_view key = settings.columnText(0), value = settings.columnText(1);
    fprintf(ctx.out, "Setting %.*s: %.*s\n", static_cast<int>(key.size()), key.data(),
            static_cast<int>(value.size()), value.data());
    any = true;
  }
  if (!any)
    fprintf(ctx.out, "Settings: none (the library reports its own API version)\n");
  return rc == SQLITE_DONE;
}

bool printErrorTexts(const Context& ctx, sqlite::Database& db) {
  sqlite::Statement texts;
  if (!texts.prepare(db, "SELECT code, text FROM error_texts ORDER BY code"))
    return false;
  int rc;
  while ((rc = texts.step()) == SQLITE_ROW) {
    std::string_view text = texts.columnText(1);
    fprintf(ctx.out, "Error text %lld: %.*s\n", static_cast<long long>(texts.columnInt(0)),
            static_cast<int>(text.size()), text.data());
  }
  return rc == SQLITE_DONE;
}

}  // namespace

int runInfo(const Context& ctx) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  fprintf(ctx.out, "Store: %s (from %s)\n", ctx.storePath.c_str(), ctx.storeOrigin.c_str());
  for (const Count& count : kCounts) {
    int64_t value = 0;
    if (!db.queryInt(count.sql, &value))
      return ctx.fail(storeError(db));
    fprintf(ctx.out, "%s: %lld\n", count.label, static_cast<long long>(value));
  }
  if (!printSettings(ctx, db) || !printErrorTexts(ctx, db))
    return ctx.fail(storeError(db));
  return kExitOk;
}

namespace {

// The settings the library reads, each a signed 32-bit number.
const char* const kSettings[] = {"api_version"};

bool checkSettingKey(const Context& ctx, std::string_view key) {
  for (const char* known : kSettings) {
    if (key == known)
      return true;
  }
  ctx.usage("unknown setting " + quoted(key) + " (known: api_version)");
  return false;
}

// Runs one statement with the given bindings as its own transaction.
int runWrite(const Context& ctx, const char* sql,
             const std::function<void(sqlite::Statement&)>& bind) {
  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  sqlite::Statement statement;
  if (!statement.prepare(db, sql))
    return ctx.fail(storeError(db));
  bind(statement);
  if (!statement.run())
    return ctx.fail(storeError(db));
  return kExitOk;
}

}  // namespace

int runSetSetting(const Context& ctx) {
  std::string_view key = ctx.arg(0);
  int64_t value = 0;
  if (!checkSettingKey(ctx, key) || !ctx.intArg(1, "VALUE", INT32_MIN, INT32_MAX, &value))
    return kExitUsage;
  int status = runWrite(ctx, "INSERT OR REPLACE INTO settings (key, value) VALUES (?1, ?2)",
                        [&](sqlite::Statement& statement) {
                          statement.bindText(1, key);
                          statement.bindInt(2, value);
                        });
  if (status == kExitOk)
    fprintf(ctx.out, "Set %.*s to %lld\n", static_cast<int>(key.size()), key.data(),
            static_cast<long long>(value));
  return status;
}

int runUnsetSetting(const Context& ctx) {
  std::string_view key = ctx.arg(0);
  if (!checkSettingKey(ctx, key))
    return kExitUsage;
  int status = runWrite(ctx, "DELETE FROM settings WHERE key = ?1",
                        [&](sqlite::Statement& statement) { statement.bindText(1, key); });
  if (status == kExitOk)
    fprintf(ctx.out, "Unset %.*s\n", static_cast<int>(key.size()), key.data());
  return status;
}

int runSetErrorText(const Context& ctx) {
  int64_t code = 0;
  if (!ctx.intArg(0, "CODE", INT32_MIN, INT32_MAX, &code))
    return kExitUsage;
  std::string_view text = ctx.arg(1);
  int status = runWrite(ctx, "INSERT OR REPLACE INTO error_texts (code, text) VALUES (?1, ?2)",
                        [&](sqlite::Statement& statement) {
                          statement.bindInt(1, code);
                          statement.bindText(2, text);
                        });
  if (status == kExitOk)
    fprintf(ctx.out, "Set the text of error %lld\n", static_cast<long long>(code));
  return status;
}

int runUnsetErrorText(const Context& ctx) {
  int64_t code = 0;
  if (!ctx.intArg(0, "CODE", INT32_MIN, INT32_MAX, &code))
    return kExitUsage;
  int status = runWrite(ctx, "DELETE FROM error_texts WHERE code = ?1",
                        [&](sqlite::Statement& statement) { statement.bindInt(1, code); });
  if (status == kExitOk)
    fprintf(ctx.out, "Unset the text of error %lld\n", static_cast<long long>(code));
  return status;
}

}  // namespace faxsimtool
