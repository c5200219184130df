// The commands that make a whole store (create, demo) and the one that
// describes it (info).
#include <sqlite3.h>

#include "faxsimtool/command.h"
#include "faxsimtool/demo_seed.h"
#include "faxsimtool/exit_status.h"
#include "faxsimtool/store.h"

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
  fprintf(ctx.out, "Store: %s\n", ctx.storePath.c_str());
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

}  // namespace faxsimtool
