// Stores that go bad around a run: damaged, read-only, and removed while a
// run marks its faxes. Each run must end in a clean error with its exit
// status, leave a file that it could not use as it was, and report nothing
// done that is not in the store. (A missing, empty or foreign file is the
// simulator's own refusal, which its tests show.)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/reported_marks.h"

namespace hardening {
namespace {

using namespace support;

using std::chrono::milliseconds;

const std::vector<std::string> kMarkAll = {"-s", "faxsrv", "-u", "alice", "-a", "-mp", "*"};

// A store of `count` faxes: handles 1 to `count`, IDs FAX100001 on.
bool makeNumberedStore(support::SimStore& store, int count) {
  std::vector<FaxSpec> faxes;
  for (int i = 1; i <= count; ++i)
    faxes.push_back({i, "FAX" + std::to_string(100000 + i)});
  return makeStore(store, faxes);
}

// A store whose pages past the schema are overwritten: whatever the library
// can still read, the run ends cleanly, and each fax it reports marked is
// marked in the store.
TEST(StoreStateTest, DamagedStoreEndsCleanly) {
  support::SimStore store;
  ASSERT_TRUE(makeNumberedStore(store, 3000));
  std::string bytes = readFile(store.path());
  ASSERT_GT(bytes.size(), 65536u);
  for (size_t i = bytes.size() / 2; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(0xA5 ^ (i * 7));
  ASSERT_TRUE(writeFile(store.path(), bytes));

  support::ProgramRun run = support::runAgainst(store, kMarkAll);
  ASSERT_TRUE(run.process.exited()) << run.process.describe();
  EXPECT_TRUE(run.status() == 0 || run.status() == 1 || run.status() == 2 || run.status() == 3)
      << run.status();
  EXPECT_TRUE(run.out().ends_with("\nDisconnected\n") ||
              run.out().ends_with("after 5 tries: faxsrv\n"))
      << run.out();
  for (int64_t handle : handlesMarkedInTrace(run.trace)) {
    EXPECT_EQ(store.queryInt("SELECT printed FROM faxes WHERE handle = " + std::to_string(handle)),
              1)
        << handle;
  }
}

// Root writes to any file, so the read-only run drops to user nobody.
std::vector<std::string> unprivileged(std::vector<std::string> command) {
  if (geteuid() != 0)
    return command;
  std::vector<std::string> prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                                     "--"};
  prefix.insert(prefix.end(), command.begin(), command.end());
  return prefix;
}

// A store file that the user may only read, in a directory that is
// read-only too (SQLite can't make the files of its write-ahead log: the
// store can't be opened) or writable (the list is served, marks are not).
TEST(StoreStateTest, ReadOnlyStoreTakesNoMarksAndSaysSo) {
  if (support::programIsWindows())
    GTEST_SKIP() << "file modes are POSIX's";
  if (geteuid() == 0 && access("/usr/bin/setpriv", X_OK) != 0)
    GTEST_SKIP() << "running as root without setpriv to drop privileges";
  for (mode_t directoryMode : {0555, 0777}) {
    SCOPED_TRACE(directoryMode == 0555 ? "read-only directory" : "writable directory");
    support::SimStore store;
    ASSERT_TRUE(store.createWorld());
    ASSERT_EQ(chmod(store.path().c_str(), 0444), 0);
    ASSERT_EQ(chmod(store.dir().c_str(), directoryMode), 0);
    std::string before = readFile(store.path());

    std::vector<std::string> command = support::programCommand();
    command.insert(command.end(), kMarkAll.begin(), kMarkAll.end());
    support::ProcessOptions options;
    options.env = store.programEnvironment();
    options.env.push_back({"FAXSIM_TRACE", std::nullopt});  // nobody may write there
    options.timeout = support::runTimeout();
    support::ProcessResult run = support::runProcess(unprivileged(command), options);
    chmod(store.dir().c_str(), 0755);

    ASSERT_TRUE(run.exited()) << run.describe() << run.err;
    if (directoryMode == 0555) {
      EXPECT_EQ(run.exitStatus, 1);
      EXPECT_NE(run.out.find("error 3: Fax store unavailable"), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.exitStatus, 0) << run.out;
      Summary summary = summaryOf(run.out);
      ASSERT_TRUE(summary.found) << run.out;
      EXPECT_EQ(summary.faxes, 5);
      EXPECT_EQ(summary.marked, 0);
      EXPECT_EQ(summary.failed, 5);
    }
    EXPECT_TRUE(faxIdsReportedMarked(run.out).empty()) << run.out;
    EXPECT_EQ(readFile(store.path()), before);
  }
}

// The store is deleted once the run has fetched the list and marked some
// faxes. Hard links to the store and its write-ahead log, made just before,
// keep what was deleted readable: every fax the run reported done must be
// marked there, and none after the deletion may be reported done, since no
// store at the path holds it.
TEST(StoreStateTest, StoreRemovedDuringTheRun) {
  support::SimStore store;
  ASSERT_TRUE(makeNumberedStore(store, 20000));
  std::string keep = store.dir() + "/kept.db";

  std::atomic<bool> finished = false;
  support::ProgramRun run;
  std::thread runner([&] {
    run = support::runAgainst(store, kMarkAll, {}, milliseconds(120000));
    finished = true;
  });
  // About 300 faxes in (each takes three trace lines), take the store away.
  struct stat traced;
  while (!finished && (stat(store.tracePath().c_str(), &traced) != 0 || traced.st_size < 30000))
    std::this_thread::sleep_for(milliseconds(2));
  bool removedInTime = !finished;
  for (const char* suffix : {"", "-wal"})
    link((store.path() + suffix).c_str(), (keep + suffix).c_str());
  for (const char* suffix : {"", "-wal", "-shm"})
    unlink((store.path() + suffix).c_str());
  runner.join();
  ASSERT_TRUE(removedInTime) << "the run ended before the store could be removed";

  ASSERT_TRUE(run.process.exited()) << run.process.describe();
  EXPECT_EQ(run.status(), 0);
  Summary summary = summaryOf(run.out());
  ASSERT_TRUE(summary.found);
  EXPECT_EQ(summary.faxes, 20000);
  EXPECT_GT(summary.marked, 0);
  EXPECT_GT(summary.failed, 0) << "marks went on after the store was removed";
  EXPECT_EQ(summary.marked + summary.failed, summary.faxes);

  std::set<int64_t> reported = handlesMarkedInTrace(run.trace);
  EXPECT_EQ(static_cast<int>(reported.size()), summary.marked);
  EXPECT_EQ(faxIdsReportedMarked(run.out()).size(), reported.size());
  EXPECT_FALSE(fileExists(store.path()));
  // What landed before the removal is in the kept file, and only that.
  for (const char* suffix : {"", "-wal"})
    rename((keep + suffix).c_str(), (store.path() + suffix).c_str());
  EXPECT_EQ(handlesWithMark(store, "printed"), reported);
}

}  // namespace
}  // namespace hardening
