// Simulator stores for the end-to-end scenarios, made and filled with the
// built faxsim tool and read back with SQL.
#include "support/sim_store.h"

#include <filesystem>
#include <sstream>

#include <sqlite3.h>

#include "faxsim/store_schema.h"
#include "sqlite/sqlite_db.h"
#include "support/files.h"
#include "support/program_under_test.h"
#include "support/world.h"

namespace support {
namespace {

namespace fs = std::filesystem;

const int kFaxsimTimeoutSeconds = 30;

// The mark columns of the faxes table, in schema order.
const char* const kMarkColumns[] = {"viewed", "printed", "body_printed", "approved",
                                    "held",   "user1",   "user2"};

// The lines of `text` for which `keep` holds, each with its line end.
template <typename Predicate>
std::string linesWhere(const std::string& text, Predicate keep) {
  std::string kept;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (keep(line))
      kept += line + "\n";
  }
  return kept;
}

// Where the store that `recipe` makes is cached: a name that changes with
// the recipe and with the faxsim program, so that a rebuilt faxsim never
// serves an old store. "" when there is no cache to use.
std::string cachedStorePath(const std::vector<std::vector<std::string>>& recipe) {
  std::error_code error;
  fs::create_directories(INKSTAMP_E2E_STORE_CACHE, error);
  auto modified = fs::last_write_time(INKSTAMP_E2E_FAXSIM_PATH, error);
  auto size = fs::file_size(INKSTAMP_E2E_FAXSIM_PATH, error);
  if (error)
    return "";
  std::string identity =
      std::to_string(modified.time_since_epoch().count()) + "\x1e" + std::to_string(size) + "\x1e";
  for (const std::vector<std::string>& command : recipe) {
    for (const std::string& word : command)
      identity += word + "\x1f";
    identity += "\x1e";
  }
  std::ostringstream name;
  name << INKSTAMP_E2E_STORE_CACHE << "/store-" << std::hex << std::hash<std::string>()(identity)
       << ".db";
  return name.str();
}

}  // namespace

SimStore::SimStore() : dir_(TempStore::Contents::kNothing), tracePath_(dir_.dir() + "/trace.txt") {}

bool SimStore::faxsim(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {INKSTAMP_E2E_FAXSIM_PATH, "--store", path()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.timeout = std::chrono::seconds(kFaxsimTimeoutSeconds);
  lastFaxsim_ = runProcess(argv, options);
  return lastFaxsim_.exited() && lastFaxsim_.exitStatus == 0;
}

bool SimStore::create(int64_t apiVersion) {
  return faxsim({"create"}) && faxsim({"set-setting", "api_version", std::to_string(apiVersion)});
}

bool SimStore::createWorld(int64_t apiVersion) {
  return createFrom(worldRecipe(apiVersion));
}

bool SimStore::createFrom(const std::vector<std::vector<std::string>>& recipe) {
  std::string cached = cachedStorePath(recipe);
  std::error_code error;
  if (!cached.empty() && fs::copy_file(cached, path(), error))
    return true;
  for (const std::vector<std::string>& command : recipe) {
    if (!faxsim(command))
      return false;
  }
  if (!cached.empty()) {
    // Copied under a name of this process's own, then renamed into place,
    // so that a concurrent reader never sees a half-written store.
    std::string partial = cached + "." + fs::path(dir()).filename().string();
    if (fs::copy_file(path(), partial, error))
      fs::rename(partial, cached, error);
    if (error)
      fs::remove(partial, error);
  }
  return true;
}

std::vector<EnvSetting> SimStore::programEnvironment() const {
  return {{"FAXSIM_STORE", path()}, {"FAXSIM_TRACE", tracePath_}, {"FAXSIM_SLEEP_SCALE", "0"}};
}

std::string SimStore::trace() const {
  return normalizeLineEnds(readFile(tracePath_));
}

void SimStore::clearTrace() const {
  std::error_code ignored;
  fs::remove(tracePath_, ignored);
}

bool SimStore::openDb(sqlite::Database* db) const {
  return db->open(path(), sqlite::Database::Mode::kReadWrite, faxsim::kBusyTimeoutMs);
}

int64_t SimStore::queryInt(const std::string& sql, int64_t fallback) const {
  sqlite::Database db;
  int64_t value = fallback;
  if (!openDb(&db) || !db.queryInt(sql.c_str(), &value))
    return fallback;
  return value;
}

std::string SimStore::queryLines(const std::string& sql) const {
  sqlite::Database db;
  sqlite::Statement query;
  std::string lines;
  if (!openDb(&db) || !query.prepare(db, sql.c_str()))
    return "query failed: " + sql;
  while (query.step() == SQLITE_ROW) {
    lines += query.columnText(0);
    lines += '\n';
  }
  return lines;
}

std::string SimStore::marks(const std::string& faxId) const {
  sqlite::Database db;
  if (!openDb(&db))
    return "no store";
  sqlite::Statement query;
  if (!query.prepare(db,
                     "SELECT viewed, printed, body_printed, approved, held, user1, user2"
                     " FROM faxes WHERE fax_id = ?1") ||
      !query.bindText(1, faxId) || query.step() != SQLITE_ROW)
    return "no such fax";
  std::string text;
  for (int column = 0; column < static_cast<int>(std::size(kMarkColumns)); ++column) {
    if (query.columnInt(column) == 0)
      continue;
    if (!text.empty())
      text += ' ';
    text += kMarkColumns[column];
  }
  return text.empty() ? "none" : text;
}

namespace {

ProgramRun runCommandAgainst(const SimStore& store, const std::vector<std::string>& command,
                             const std::vector<std::string>& arguments,
                             const std::vector<EnvSetting>& env,
                             std::chrono::milliseconds timeout) {
  store.clearTrace();
  std::vector<EnvSetting> environment = store.programEnvironment();
  environment.insert(environment.end(), env.begin(), env.end());
  ProgramRun run;
  run.process = runCommand(command, arguments, environment, timeout);
  run.trace = store.trace();
  return run;
}

}  // namespace

ProgramRun runAgainst(const SimStore& store, const std::vector<std::string>& arguments,
                      const std::vector<EnvSetting>& env, std::chrono::milliseconds timeout) {
  return runCommandAgainst(store, programCommand(), arguments, env, timeout);
}

ProgramRun runFaxlistAgainst(const SimStore& store, const std::vector<std::string>& arguments,
                             const std::vector<EnvSetting>& env,
                             std::chrono::milliseconds timeout) {
  return runCommandAgainst(store, faxlistCommand(), arguments, env, timeout);
}

std::string callsOf(const std::string& trace, std::string_view function) {
  std::string prefix = std::string(function) + "(";
  return linesWhere(trace, [&](const std::string& line) { return line.starts_with(prefix); });
}

std::string withoutPauses(const std::string& trace) {
  return linesWhere(trace, [](const std::string& line) { return !line.starts_with("Sleep("); });
}

}  // namespace support
