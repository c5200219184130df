// A simulator store of one test's own: a fresh temporary directory holding a
// store that the built faxsim tool makes and fills, the environment in which
// the program under test uses it (with the pause scaled to nothing and every
// library call traced to a file beside it), and ways to read back the trace
// and the marks that a run left.
#ifndef INKSTAMP_TESTS_SUPPORT_SIM_STORE_H_
#define INKSTAMP_TESTS_SUPPORT_SIM_STORE_H_

#include <stdint.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "faxclient/client_values.h"
#include "support/program_under_test.h"
#include "support/run_process.h"
#include "support/temp_store.h"

namespace sqlite {
class Database;
}

namespace support {

// The API version that stores made here report unless told otherwise.
const int64_t kDefaultApiVersion = faxclient::kBuiltInApiVersion;

class SimStore {
 public:
  // Makes the directory (removed with everything in it when the object
  // goes); the store itself is made by one of the create functions.
  SimStore();

  // Whether the directory could be made.
  bool ok() const { return dir_.ok(); }
  const std::string& dir() const { return dir_.dir(); }
  const std::string& path() const { return dir_.path(); }
  const std::string& tracePath() const { return tracePath_; }

  // Runs `faxsim --store PATH arguments...`; true when it exits with status 0.
  // lastFaxsim() tells how it went, its output included.
  bool faxsim(const std::vector<std::string>& arguments);
  const ProcessResult& lastFaxsim() const { return lastFaxsim_; }

  // An empty store, or the test world's (support/world.h); either reports
  // `apiVersion` as the library's version.
  bool create(int64_t apiVersion = kDefaultApiVersion);
  bool createWorld(int64_t apiVersion = kDefaultApiVersion);
  // The store that the faxsim commands of `recipe` make when run in turn on
  // a path where none exists yet (so the first must make it). The store made
  // is kept in a cache in the build tree, under a name that the recipe and
  // the faxsim program decide, and later calls copy it from there: under
  // CTest each test is a process of its own, and a store of many commands
  // would otherwise be made over and over.
  bool createFrom(const std::vector<std::vector<std::string>>& recipe);

  // The environment in which the program under test uses this store:
  // FAXSIM_STORE, FAXSIM_TRACE and FAXSIM_SLEEP_SCALE=0.
  std::vector<EnvSetting> programEnvironment() const;

  // The trace file's text with LF line ends; "" when there is none.
  std::string trace() const;
  // Removes the trace file, so that the next run's trace starts afresh.
  void clearTrace() const;

  // The marks that the fax with `faxId` (exact, case included) carries now,
  // as the names of its set mark columns in schema order ("viewed printed
  // body_printed approved held user1 user2"), "none" when it carries none,
  // or "no such fax".
  std::string marks(const std::string& faxId) const;

  // What an SQL query on the store gives: the integer in the first column of
  // the first row (`fallback` when the query fails or gives no row), or the
  // first column of every row, each followed by a line end.
  int64_t queryInt(const std::string& sql, int64_t fallback = -1) const;
  std::string queryLines(const std::string& sql) const;

 private:
  bool openDb(sqlite::Database* db) const;

  TempStore dir_;
  std::string tracePath_;
  ProcessResult lastFaxsim_;
};

// One run of the program under test against a store: how the process went
// (its standard output with LF line ends) and the calls it made.
struct ProgramRun {
  ProcessResult process;
  std::string trace;

  int status() const { return process.exitStatus; }
  const std::string& out() const { return process.out; }
};

// Runs the program under test with `arguments` against `store`, with a fresh
// trace and with `env` changed beyond what the store needs, killing it after
// `timeout`.
ProgramRun runAgainst(const SimStore& store, const std::vector<std::string>& arguments,
                      const std::vector<EnvSetting>& env = {},
                      std::chrono::milliseconds timeout = runTimeout());

// The same with faxlist in place of the program under test.
ProgramRun runFaxlistAgainst(const SimStore& store, const std::vector<std::string>& arguments,
                             const std::vector<EnvSetting>& env = {},
                             std::chrono::milliseconds timeout = runTimeout());

// The lines of `trace` that record calls of `function`, such as "InkStampFax".
std::string callsOf(const std::string& trace, std::string_view function);

// `trace` without its Sleep lines: what a Windows program's trace holds,
// since its pause is the kernel's and not the simulator's.
std::string withoutPauses(const std::string& trace);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_SIM_STORE_H_
