// Throw-away faxsim stores for tests and benchmarks: a fresh directory under
// the system's temporary directory holding a store made with the store's own
// schema, FAXSIM_STORE pointing at it and FAXSIM_TRACE unset for the
// object's lifetime, and helpers to fill the store and read it back.
#ifndef INKSTAMP_TESTS_SUPPORT_TEMP_STORE_H_
#define INKSTAMP_TESTS_SUPPORT_TEMP_STORE_H_

#include <stdint.h>

#include <optional>
#include <string>

#include "faxsim/store_rows.h"
#include "sqlite/sqlite_db.h"
#include "support/files.h"
#include "support/scoped_env.h"

namespace support {

// One row of the faxes table, written as faxsim writes it; addFax() takes an
// empty host, owner or folder for the test world's server, ALICE and "main".
using FaxRow = faxsim::FaxRow;

// One row of the faults table; std::nullopt stands for NULL.
struct FaultRow {
  std::string host = "faxsrv";
  std::string operation;
  std::optional<std::string> target = std::nullopt;
  std::optional<int64_t> markCode = std::nullopt;
  int64_t errorCode = 0;
  std::optional<int64_t> remaining = std::nullopt;
};

class TempStore {
 public:
  enum class Contents { kStore, kNothing };

  // kNothing makes the directory only (path() names a file that does not
  // exist), for tests that bring their own file.
  explicit TempStore(Contents contents = Contents::kStore);
  ~TempStore();
  TempStore(const TempStore&) = delete;
  TempStore& operator=(const TempStore&) = delete;

  // Whether the directory (and the store) could be made.
  bool ok() const { return ok_; }
  const std::string& dir() const { return dir_; }
  const std::string& path() const { return path_; }

  // A connection of the test's own to the store, opened on first use.
  sqlite::Database& db();
  // Closes that connection, e.g. before a test compares the file's bytes.
  void closeDb() { db_.close(); }

  bool exec(const std::string& sql);
  // The integer that `sql` returns, or `fallback` when it fails.
  int64_t queryInt(const std::string& sql, int64_t fallback = -1);

  bool addServer(const std::string& host, const std::string& description = "",
                 int64_t release = 0x620);
  bool addUser(const std::string& host, const std::string& userId,
               const std::string& qualifier = "", const std::string& name = "");
  bool addFax(FaxRow fax);
  // `count` faxes of `owner` on `host` with handles from `firstHandle` on,
  // IDs "FAX000001"... and varying dates, in one transaction.
  bool addFaxes(const std::string& host, const std::string& owner, int64_t firstHandle,
                int64_t count);
  bool addFault(const FaultRow& fault);
  bool setErrorText(int64_t code, const std::string& text);

  // Points FAXSIM_TRACE at a file in the directory and returns its path.
  std::string traceToFile();

 private:
  bool ok_ = false;
  std::string dir_;
  std::string path_;
  sqlite::Database db_;
  ScopedEnv storeEnv_;
  ScopedEnv traceEnv_;
};

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_TEMP_STORE_H_
