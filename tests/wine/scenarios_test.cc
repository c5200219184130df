// inkstamp.exe on our RFWIN32.dll under Wine against the POSIX build on
// librfwin32.so: each scenario runs both on copies of one store and expects
// the same exit status, the same output (CR LF read as LF), the same calls to
// the client library and the same marks in the store afterwards. The store is
// one file that the native and the Windows SQLite both read and write.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/program_under_test.h"
#include "support/sim_store.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

struct Scenario {
  const char* name;
  std::vector<std::vector<std::string>> setup;  // faxsim commands after the world's
  std::vector<std::string> arguments;
  int exitStatus;
};

void compareRuns(const Scenario& scenario) {
  SCOPED_TRACE(scenario.name);
  std::string folder = freshTestFolder() + "/" + scenario.name;
  std::filesystem::create_directories(folder);
  std::string windowsStore = folder + "/windows.db";
  std::string nativeStore = folder + "/native.db";
  makeWorldStore(windowsStore, scenario.setup);
  copyFile(windowsStore, nativeStore);

  ProcessResult native = runNative(scenario.arguments, nativeStore, folder + "/native.trace");
  ProcessResult windows = runWindows(scenario.arguments, windowsStore, folder + "/windows.trace");

  EXPECT_EQ(native.exitStatus, scenario.exitStatus) << describe(native);
  EXPECT_EQ(windows.exitStatus, scenario.exitStatus) << describe(windows);
  EXPECT_EQ(normalizeLineEnds(windows.out), native.out);
  EXPECT_EQ(windows.err, "") << "inkstamp writes nothing to standard error";
  // On POSIX the simulator's pause is traced; on Windows the program calls
  // the kernel's Sleep, which the simulator never sees.
  EXPECT_EQ(withoutPauses(readFile(folder + "/windows.trace")),
            withoutPauses(readFile(folder + "/native.trace")));
  for (const char* user : {"alice", "bob"})
    EXPECT_EQ(listFaxes(windowsStore, "faxsrv", user), listFaxes(nativeStore, "faxsrv", user))
        << "marks of " << user;
}

}  // namespace

TEST(WindowsScenarios, UsageErrorsEndWith255) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {"no-arguments", {}, {}, 255},
      {"help", {}, {"-s", "faxsrv", "-HELP"}, 255},
      {"slash-question-mark", {}, {"/?"}, 255},
      {"missing-user", {}, {"-s", "faxsrv", "-mp", "APP*"}, 255},
      {"conflicting-marks", {}, {"-s", "faxsrv", "-u", "alice", "-mp", "-np", "APP*"}, 255},
      {"no-fax-ids", {}, {"-s", "faxsrv", "-u", "alice", "-mp"}, 255},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
}

TEST(WindowsScenarios, RunsThatStopEarlyEndWith1To3) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      // A release of 5.10 is refused; the entry point disconnects.
      {"release-refused",
       {{"add-server", "oldfax", "--release", "0x510"}, {"add-user", "oldfax", "DAVE"}},
       {"-s", "oldfax", "-u", "dave", "-mp", "*"},
       1},
      {"server-info-fails",
       {{"add-fault", "faxsrv", "server_info", "12"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "*"},
       2},
      {"unknown-user", {}, {"-s", "faxsrv", "-u", "nobody", "-mp", "*"}, 3},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
}

TEST(WindowsScenarios, MarkingRunsEndWith0) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {"sorted-two-marks", {}, {"-s", "faxsrv", "-u", "alice", "-t", "-mp", "-mv", "APP*"}, 0},
      {"all-folders-sent-reversed",
       {},
       {"-a", "-S", "-tr", "-s", "faxsrv", "-u", "bob", "-nr", "-m1", "-n2", "*"},
       0},
      {"every-mark-off",
       {},
       {"-s", "FAXSRV", "-u", "Alice", "-np", "-nv", "-na", "-nr", "-n1", "-n2", "?PP*", "B*"},
       0},
      // Failures show the fax's handle in hexadecimal, however the platform's
      // printf would print a pointer.
      {"mark-and-load-faults",
       {{"add-fault", "faxsrv", "mark", "21", "--mark-code", "3"},
        {"add-fault", "faxsrv", "load_fax", "22", "--count", "1"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "-mb", "*"},
       0},
      {"fax-list-refused",
       {{"add-fault", "faxsrv", "fax_list", "4"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "*"},
       0},
      {"unreadable-list-element",
       {{"add-fault", "faxsrv", "element", "13", "--target", "2"}},
       {"-s", "faxsrv", "-u", "alice", "-ma", "*"},
       0},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
}

// The simulator reads the API version from the store; a negative one is no
// time that gmtime can convert on Windows, nor on POSIX for every value.
TEST(WindowsScenarios, NegativeApiVersion) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {"api-version-minus-1",
       {{"set-setting", "api_version", "-1"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "APP0001A"},
       0},
      {"api-version-most-negative", {{"set-setting", "api_version", "-2147483648"}}, {"-?"}, 255},
      {"api-version-zero", {{"set-setting", "api_version", "0"}}, {"-?"}, 255},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
}

// The one real pause: the first connection try fails, the program waits ten
// seconds in the kernel's Sleep and the second try connects.
TEST(WindowsScenarios, PausesTenSecondsAfterAFailedConnection) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  std::string nativeStore = folder + "/native.db";
  makeWorldStore(store, {{"add-fault", "faxsrv", "connect", "2", "--count", "1"}});
  copyFile(store, nativeStore);
  const std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "alice", "-mv", "B*"};

  ProcessResult windows = runWindows(arguments, store);
  ProcessResult native = runNative(arguments, nativeStore);
  EXPECT_EQ(windows.exitStatus, 0) << describe(windows);
  EXPECT_EQ(normalizeLineEnds(windows.out), native.out);
  EXPECT_NE(native.out.find("Connect(2) to RightFax server: faxsrv\n"), std::string::npos)
      << native.out;
  // Wine's start-up takes a second or two of its own on top of the pause.
  EXPECT_GE(windows.elapsed, std::chrono::seconds(10));
  EXPECT_LT(windows.elapsed, std::chrono::seconds(25));
}

// Windows hands the program its environment in the ANSI code page, while
// SQLite wants UTF-8 file names: a store under a folder with an accented
// name, as a user profile may have, must still be found.
TEST(WindowsScenarios, StoreInAFolderWithAnAccentedName) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder() + "/Jos\xC3\xA9";
  std::filesystem::create_directories(folder);
  std::string store = folder + "/store.db";
  makeWorldStore(store, {});
  ProcessResult windows = runWindows({"-s", "faxsrv", "-u", "alice", "-mv", "B0000102"}, store);
  EXPECT_EQ(windows.exitStatus, 0) << describe(windows);
  EXPECT_NE(windows.out.find("faxes:1 marked:1 failed:0"), std::string::npos) << windows.out;
}
