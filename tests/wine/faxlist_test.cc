// faxlist.exe on our RFWIN32.dll under Wine against the POSIX faxlist (the
// end-to-end suite's Wine run takes only inkstamp.exe along): the same runs,
// the same CSV file byte for byte, and what only Windows refuses or holds.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

namespace fs = std::filesystem;

// What stands at list.csv before the run.
enum class Before { kNothing, kOlderFile, kReadOnlyFile, kFolder };

struct Scenario {
  Comparison run;
  Before before = Before::kNothing;
};

void prepareTarget(const std::string& path, Before before) {
  if (before == Before::kFolder) {
    fs::create_directory(path);
  } else if (before != Before::kNothing) {
    writeFile(path, "older\r\n");
    // Without write permission Wine reports the read-only attribute.
    if (before == Before::kReadOnlyFile)
      fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  }
}

// Compares the runs, each in a folder that holds a file "APP*" would
// match, then the CSV files they wrote; nothing else may be left behind.
void compareListings(const Scenario& scenario) {
  std::string folder = compareRuns(scenario.run, Tool::kFaxlist, [&](const std::string& side) {
    writeFile(side + "/APP-would-match.txt", "x");
    prepareTarget(side + "/list.csv", scenario.before);
  });
  EXPECT_EQ(readFile(folder + "/windows/list.csv"), readFile(folder + "/native/list.csv"));
  for (const char* side : {"native", "windows"}) {
    std::string names = namesIn(folder + "/" + side);
    EXPECT_TRUE(names == "APP-would-match.txt list.csv " || names == "APP-would-match.txt ")
        << side << " holds " << names << "(a temporary file left behind?)";
  }
}

}  // namespace

TEST(WindowsFaxlist, ListsAsTheNativeProgramDoes) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {{"all-folders-received-sorted",
        {},
        {"-a", "-R", "-t", "-s", "faxsrv", "-u", "alice", "-o", "list.csv", "APP*"},
        0}},
      // No fax-IDs: every fax; the older file is replaced, which Windows'
      // rename would refuse.
      {{"every-fax-replacing-a-file",
        {},
        {"-tr", "-s", "faxsrv", "-u", "bob", "-o", "list.csv"},
        0},
       Before::kOlderFile},
      // inkstamp's command line, marks included: named, never sent.
      {{"marks-named",
        {},
        {"-s", "faxsrv", "-u", "alice", "-nv", "-mp", "-o", "list.csv", "APP*"},
        0}},
      {{"sent-and-patterns", {}, {"-S", "-s", "faxsrv", "-u", "alice", "b*", "?PP*"}, 0}},
  };
  for (const Scenario& scenario : scenarios)
    compareListings(scenario);
}

TEST(WindowsFaxlist, StopsAsTheNativeProgramDoes) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {{"help", {}, {"-help"}, 255}},
      {{"missing-user", {}, {"-s", "faxsrv", "-o", "list.csv"}, 255}},
      {{"release-refused",
        {{"add-server", "oldfax", "--release", "0x510"}, {"add-user", "oldfax", "DAVE"}},
        {"-s", "oldfax", "-u", "dave", "-o", "list.csv"},
        1}},
      {{"unknown-user", {}, {"-s", "faxsrv", "-u", "nobody", "-o", "list.csv"}, 3}},
      {{"fax-list-refused",
        {{"add-fault", "faxsrv", "fax_list", "4"}},
        {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"},
        4},
       Before::kOlderFile},
      {{"marks-without-fax-id", {}, {"-s", "faxsrv", "-u", "alice", "-mp"}, 255}},
      // What -o must not replace, refused alike before the server is
      // contacted.
      {{"read-only", {}, {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"}, 4},
       Before::kReadOnlyFile},
      {{"folder", {}, {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"}, 4}, Before::kFolder},
      {{"pattern-as-name", {}, {"-s", "faxsrv", "-u", "alice", "-o", "APP*"}, 4}},
      {{"name-left-out", {}, {"-s", "faxsrv", "-u", "alice", "-o"}, 4}},
  };
  for (const Scenario& scenario : scenarios)
    compareListings(scenario);
}

// Why a file can't be made is said in the system's words, as other Windows
// programs say it (Wine's words here; Windows says "The system cannot find
// the path specified").
TEST(WindowsFaxlist, SaysWhyInTheSystemsWords) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  makeWorldStore(folder + "/store.db", {});
  ProcessResult run = runWindows({"-s", "faxsrv", "-u", "alice", "-o", "missing\\list.csv"},
                                 folder + "/store.db", "", folder, Tool::kFaxlist);
  expectEndedSaying(run, 4, "\nCan't write CSV file: missing\\list.csv (Path not found)\n");
}

// A device name opens the device on Windows: refused, whether the name is
// the device's or the temporary file's would be one.
TEST(WindowsFaxlist, RefusesADeviceAsTheCsvFile) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder() + "/device";
  fs::create_directories(folder);
  makeWorldStore(folder + "/store.db", {});
  for (const char* device : {"NUL", "nul.csv", "COM1"}) {
    SCOPED_TRACE(device);
    ProcessResult run = runWindows({"-s", "faxsrv", "-u", "alice", "-o", device},
                                   folder + "/store.db", folder + "/trace", folder, Tool::kFaxlist);
    expectEndedSaying(
        run, 4,
        std::string("\nCan't write CSV file: ") + device + " (a device, not an ordinary file)\n");
  }
  EXPECT_EQ(namesIn(folder).find("partial"), std::string::npos) << namesIn(folder);
}

// A CSV file that another program holds open can't be replaced: faxlist.exe
// tries for about a second, then leaves it as it was and says why.
TEST(WindowsFaxlist, LeavesAFileThatAnotherProgramHoldsOpen) {
  REQUIRE_WINE();
  const Wine& wine = Wine::get();
  std::string folder = freshTestFolder() + "/held";
  fs::create_directories(folder);
  makeWorldStore(folder + "/store.db", {});
  writeFile(folder + "/list.csv", "older\r\n");
  writeFile(folder + "/command-line.txt", "\"" + Wine::windowsPath(wine.stagePath("faxlist.exe")) +
                                              "\" -s faxsrv -u alice -o list.csv");
  ProcessOptions options = wine.options();
  options.env.push_back({"FAXSIM_STORE", Wine::windowsPath(folder + "/store.db")});
  options.workingDirectory = folder;
  ProcessResult run = runProcess(
      wine.command("launch.exe",
                   {"--hold", "list.csv", Wine::windowsPath(folder + "/command-line.txt")}),
      options);
  // The reason is the system's text (Wine's here), then the hint.
  expectEndedSaying(run, 4,
                    "\nCan't write CSV file: list.csv (Sharing violation; it may be open in "
                    "another program)\n");
  EXPECT_EQ(readFile(folder + "/list.csv"), "older\r\n");
  EXPECT_EQ(namesIn(folder).find("partial"), std::string::npos) << namesIn(folder);
}
