// What inkstamp.exe meets on Windows alone: the C runtime's conversion of
// negative times, the kernel's real pause, and the ANSI code page between
// the environment and SQLite's file names. The end-to-end suite's own run
// under Wine checks everything else that inkstamp.exe prints and calls.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

// The simulator reads the API version from the store; a negative one is no
// time that gmtime can convert on Windows, nor on POSIX for every value.
TEST(WindowsScenarios, NegativeApiVersion) {
  REQUIRE_WINE();
  const Comparison comparisons[] = {
      {"api-version-minus-1",
       {{"set-setting", "api_version", "-1"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "APP0001A"},
       0},
      {"api-version-most-negative", {{"set-setting", "api_version", "-2147483648"}}, {"-?"}, 255},
  };
  for (const Comparison& comparison : comparisons)
    compareRuns(comparison);
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
  expectEndedSaying(windows, 0, "faxes:1 marked:1 failed:0");
}
