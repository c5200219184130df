// faxlist.exe on our RFWIN32.dll under Wine against the POSIX faxlist: each
// scenario runs both, each in a folder of its own on a copy of one store,
// and expects the same exit status, the same output (CR LF read as LF), the
// same client calls and the same CSV file, byte for byte. The folders hold a
// file that "APP*" would match, had the start-up code expanded wildcards.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/sim_store.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

namespace fs = std::filesystem;

// What stands at list.csv before the run.
enum class Before { kNothing, kOlderFile, kReadOnlyFile, kFolder };

struct Scenario {
  const char* name;
  std::vector<std::vector<std::string>> setup;  // faxsim commands after "demo"
  std::vector<std::string> arguments;
  int exitStatus;
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

void compareRuns(const Scenario& scenario) {
  SCOPED_TRACE(scenario.name);
  std::string folder = freshTestFolder() + "/" + scenario.name;
  for (const char* side : {"native", "windows"}) {
    fs::create_directories(folder + "/" + side);
    writeFile(folder + "/" + side + "/APP-would-match.txt", "x");
    prepareTarget(folder + "/" + side + "/list.csv", scenario.before);
  }
  std::string windowsStore = folder + "/windows.db";
  std::string nativeStore = folder + "/native.db";
  makeWorldStore(windowsStore, scenario.setup);
  copyFile(windowsStore, nativeStore);

  ProcessResult native = runNative(scenario.arguments, nativeStore, folder + "/native.trace",
                                   folder + "/native", Tool::kFaxlist);
  ProcessResult windows = runWindows(scenario.arguments, windowsStore, folder + "/windows.trace",
                                     folder + "/windows", Tool::kFaxlist);

  EXPECT_EQ(native.exitStatus, scenario.exitStatus) << describe(native);
  EXPECT_EQ(windows.exitStatus, scenario.exitStatus) << describe(windows);
  EXPECT_EQ(support::normalizeLineEnds(windows.out), native.out);
  EXPECT_EQ(windows.err, "") << "faxlist writes nothing to standard error";
  EXPECT_EQ(support::withoutPauses(readFile(folder + "/windows.trace")),
            support::withoutPauses(readFile(folder + "/native.trace")));
  EXPECT_EQ(readFile(folder + "/windows/list.csv"), readFile(folder + "/native/list.csv"));
  for (const char* side : {"native", "windows"}) {
    std::string names;
    for (const auto& entry : fs::directory_iterator(folder + "/" + side))
      names += entry.path().filename().string() + " ";
    EXPECT_TRUE(names == "APP-would-match.txt list.csv " ||
                names == "list.csv APP-would-match.txt " || names == "APP-would-match.txt ")
        << side << " holds " << names << "(a temporary file left behind?)";
  }
}

}  // namespace

TEST(WindowsFaxlist, ListsAsTheNativeProgramDoes) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {"all-folders-received-sorted",
       {},
       {"-a", "-R", "-t", "-s", "faxsrv", "-u", "alice", "-o", "list.csv", "APP*"},
       0},
      // No fax-IDs: every fax; the older file is replaced, which Windows'
      // rename would refuse.
      {"every-fax-replacing-a-file",
       {},
       {"-tr", "-s", "faxsrv", "-u", "bob", "-o", "list.csv"},
       0,
       Before::kOlderFile},
      // inkstamp's command line, marks included: named, never sent.
      {"marks-named",
       {},
       {"-s", "faxsrv", "-u", "alice", "-nv", "-mp", "-o", "list.csv", "APP*"},
       0},
      {"sent-and-patterns", {}, {"-S", "-s", "faxsrv", "-u", "alice", "b*", "?PP*"}, 0},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
}

TEST(WindowsFaxlist, StopsAsTheNativeProgramDoes) {
  REQUIRE_WINE();
  const Scenario scenarios[] = {
      {"help", {}, {"-help"}, 255},
      {"missing-user", {}, {"-s", "faxsrv", "-o", "list.csv"}, 255},
      {"release-refused",
       {{"add-server", "oldfax", "--release", "0x510"}, {"add-user", "oldfax", "DAVE"}},
       {"-s", "oldfax", "-u", "dave", "-o", "list.csv"},
       1},
      {"unknown-user", {}, {"-s", "faxsrv", "-u", "nobody", "-o", "list.csv"}, 3},
      {"fax-list-refused",
       {{"add-fault", "faxsrv", "fax_list", "4"}},
       {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"},
       4,
       Before::kOlderFile},
      {"no-such-folder", {}, {"-s", "faxsrv", "-u", "alice", "-o", "missing/list.csv"}, 4},
      {"marks-without-fax-id", {}, {"-s", "faxsrv", "-u", "alice", "-mp"}, 255},
      // What -o must not replace, refused alike before the server is
      // contacted.
      {"read-only",
       {},
       {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"},
       4,
       Before::kReadOnlyFile},
      {"folder", {}, {"-s", "faxsrv", "-u", "alice", "-o", "list.csv"}, 4, Before::kFolder},
      {"pattern-as-name", {}, {"-s", "faxsrv", "-u", "alice", "-o", "APP*"}, 4},
      {"name-left-out", {}, {"-s", "faxsrv", "-u", "alice", "-o"}, 4},
  };
  for (const Scenario& scenario : scenarios)
    compareRuns(scenario);
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
    EXPECT_EQ(run.exitStatus, 4) << describe(run);
    EXPECT_NE(
        support::normalizeLineEnds(run.out).find(std::string("\nCan't write CSV file: ") + device +
                                                 " (a device, not an ordinary file)\n"),
        std::string::npos)
        << run.out;
  }
  std::string names;
  for (const auto& entry : fs::directory_iterator(folder))
    names += entry.path().filename().string() + " ";
  EXPECT_EQ(names.find("partial"), std::string::npos) << names;
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
  EXPECT_EQ(run.exitStatus, 4) << describe(run);
  // The reason is the system's text (Wine's here), then the hint.
  EXPECT_NE(normalizeLineEnds(run.out).find(
                "\nCan't write CSV file: list.csv (Sharing violation; it may be open in "
                "another program)\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(readFile(folder + "/list.csv"), "older\r\n");
  std::string names;
  for (const auto& entry : fs::directory_iterator(folder))
    names += entry.path().filename().string() + " ";
  EXPECT_EQ(names.find("partial"), std::string::npos) << names;
}
