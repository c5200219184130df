#include "support/temp_store.h"

#include <stdio.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>

#include "faxsim/store_schema.h"
#include "sqlite/transaction.h"
#include "support/world.h"

namespace support {

namespace {

// A directory name no other test process will pick: random bits, the time
// and a counter, since test programs run in parallel.
std::string uniqueName() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  char name[96];
  snprintf(name, sizeof(name), "faxsim-%08x-%llx-%u", static_cast<unsigned>(random()),
           static_cast<unsigned long long>(now), counter.fetch_add(1));
  return name;
}

bool bindOptionalText(sqlite::Statement& statement, int index,
                      const std::optional<std::string>& text) {
  return text ? statement.bindText(index, *text) : statement.bindNull(index);
}

bool bindOptionalInt(sqlite::Statement& statement, int index, const std::optional<int64_t>& value) {
  return value ? statement.bindInt(index, *value) : statement.bindNull(index);
}

}  // namespace

TempStore::TempStore(Contents contents)
    : storeEnv_("FAXSIM_STORE", nullptr), traceEnv_("FAXSIM_TRACE", nullptr) {
  std::error_code error;
  std::filesystem::path dir = std::filesystem::temp_directory_path(error);
  if (error)
    return;
  dir /= uniqueName();
  if (!std::filesystem::create_directory(dir, error) || error)
    return;
  dir_ = dir.string();
  path_ = (dir / "store.db").string();
  setEnvironment("FAXSIM_STORE", path_.c_str());
  if (contents == Contents::kNothing) {
    ok_ = true;
    return;
  }
  ok_ = db_.open(path_, sqlite::Database::Mode::kCreate, 10000) &&
        db_.exec("PRAGMA synchronous = OFF") && db_.exec("BEGIN") &&
        db_.exec(faxsim::kCreateStoreSql) && db_.exec("COMMIT");
}

TempStore::~TempStore() {
  db_.close();
  if (!dir_.empty()) {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }
}

// A throw-away store needs no durability: the test's own writes skip the
// syncs that would otherwise dominate a test's time.
sqlite::Database& TempStore::db() {
  if (!db_.isOpen() && db_.open(path_, sqlite::Database::Mode::kReadWrite, 10000))
    db_.exec("PRAGMA synchronous = OFF");
  return db_;
}

bool TempStore::exec(const std::string& sql) {
  return db().exec(sql.c_str());
}

int64_t TempStore::queryInt(const std::string& sql, int64_t fallback) {
  int64_t value = 0;
  return db().queryInt(sql.c_str(), &value) ? value : fallback;
}

bool TempStore::addServer(const std::string& host, const std::string& description,
                          int64_t release) {
  faxsim::RowInsert<faxsim::ServerRow> insert;
  return insert.prepare(db()) &&
         insert.add({.host = host, .description = description, .release = release});
}

bool TempStore::addUser(const std::string& host, const std::string& userId,
                        const std::string& qualifier, const std::string& name) {
  faxsim::RowInsert<faxsim::UserRow> insert;
  return insert.prepare(db()) &&
         insert.add({.host = host, .userId = userId, .qualifier = qualifier, .name = name});
}

bool TempStore::addFax(FaxRow fax) {
  if (fax.host.empty())
    fax.host = kWorldServer.host;
  if (fax.owner.empty())
    fax.owner = kAlice.userId;
  if (fax.folder.empty())
    fax.folder = "main";
  faxsim::RowInsert<FaxRow> insert;
  return insert.prepare(db()) && insert.add(fax);
}

bool TempStore::addFaxes(const std::string& host, const std::string& owner, int64_t firstHandle,
                         int64_t count) {
  sqlite::Transaction transaction(db());
  faxsim::RowInsert<FaxRow> insert;
  if (!transaction.beginWrite() || !insert.prepare(db()))
    return false;
  char faxId[24];
  for (int64_t i = 0; i < count; ++i) {
    int64_t handle = firstHandle + i;
    snprintf(faxId, sizeof faxId, "FAX%06lld", static_cast<long long>(handle));
    // Dates run backwards in blocks, so a date sort has real work to do.
    FaxRow fax = {.handle = handle,
                  .host = host,
                  .owner = owner,
                  .faxId = faxId,
                  .folder = "main",
                  .received = i % 3 != 0,
                  .date = 1000000 - (i % 1000) * 60,
                  .pages = 1 + i % 9};
    if (!insert.add(fax))
      return false;
  }
  return transaction.commit();
}

bool TempStore::addFault(const FaultRow& fault) {
  sqlite::Statement insert;
  return insert.prepare(db(),
                        "INSERT INTO faults (host, operation, target, mark_code, error_code,"
                        " remaining) VALUES (?, ?, ?, ?, ?, ?)") &&
         insert.bindText(1, fault.host) && insert.bindText(2, fault.operation) &&
         bindOptionalText(insert, 3, fault.target) && bindOptionalInt(insert, 4, fault.markCode) &&
         insert.bindInt(5, fault.errorCode) && bindOptionalInt(insert, 6, fault.remaining) &&
         insert.run();
}

bool TempStore::setErrorText(int64_t code, const std::string& text) {
  sqlite::Statement insert;
  return insert.prepare(db(), "INSERT OR REPLACE INTO error_texts (code, text) VALUES (?, ?)") &&
         insert.bindInt(1, code) && insert.bindText(2, text) && insert.run();
}

std::string TempStore::traceToFile() {
  std::string trace = (std::filesystem::path(dir_) / "trace.log").string();
  setEnvironment("FAXSIM_TRACE", trace.c_str());
  return trace;
}

}  // namespace support
