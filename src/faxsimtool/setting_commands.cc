// Settings and error texts: the values the library reports in place of its
// own (its API version, the text of an error code).
#include "faxsimtool/command.h"
#include "faxsimtool/exit_status.h"
#include "faxsimtool/store.h"
#include "faxsimtool/values.h"

namespace faxsimtool {

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
