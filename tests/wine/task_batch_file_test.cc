// inkstamp-task.bat, the batch file for scheduled tasks, run by Wine's
// cmd.exe as Task Scheduler runs it: the batch file started directly, from a
// current folder other than its own, with inkstamp.exe and the simulator's
// RFWIN32.dll beside it in a folder whose name has a space. Each outcome must
// give its own status and append one whole entry to the log: a dated line
// with the run's mark and the arguments, the run's output as the native
// inkstamp prints it, and a dated line with the same mark and the status.
// Where the real inkstamp.exe can't act a case (an abort, a crash, no output,
// runs that overlap), a stub stands in for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <sstream>

#include "support/program_under_test.h"
#include "support/sim_store.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

namespace fs = std::filesystem;

const char kBatchFile[] = "inkstamp-task.bat";
const char kFirstLine[] = "@setlocal & set \"LOG=%ProgramData%\\InkStamp\\inkstamp-task.log\"";

// Changes the first line of the installed batch file to keep the log at
// `log`, a Windows path.
void setLog(const std::string& installation, const std::string& log) {
  std::string batchFile = installation + "/" + kBatchFile;
  std::string text = readFile(batchFile);
  std::string firstLine = text.substr(0, text.find("\r\n"));
  if (firstLine.find("set \"LOG=") == std::string::npos)
    ADD_FAILURE() << "the first line does not set the log: " << firstLine;
  writeFile(batchFile, "@setlocal & set \"LOG=" + log + "\"" + text.substr(firstLine.size()));
}

// An installation as INSTALL.txt describes it: the batch file beside
// inkstamp.exe (or the stub in its place) and the client library, in a
// folder of the test's own. Unless `defaultLog`, the batch file's first line
// is changed, as INSTALL.txt says a site may, to keep the log in that folder
// too, so that tests never share one.
std::string install(const std::string& folder,
                    const std::vector<std::string>& files = {kBatchFile, "inkstamp.exe",
                                                             "RFWIN32.dll"},
                    bool stub = false, bool defaultLog = false) {
  fs::create_directories(folder);
  for (const std::string& file : files) {
    std::string from = stub && file == "inkstamp.exe" ? "stub_inkstamp.exe" : file;
    EXPECT_TRUE(copyFile(Wine::get().stagePath(from), folder + "/" + file)) << file;
  }
  if (!defaultLog)
    setLog(folder, Wine::windowsPath(folder) + "\\inkstamp-task.log");
  return folder;
}

ProcessResult runTask(const std::string& installation, const std::vector<std::string>& arguments,
                      const std::string& store, const std::string& currentFolder) {
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  if (!store.empty())
    options.env.push_back({"FAXSIM_STORE", Wine::windowsPath(store)});
  options.workingDirectory = currentFolder;
  std::vector<std::string> command = {wine.loader,
                                      Wine::windowsPath(installation + "/" + kBatchFile)};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return runProcess(command, options);
}

// The log with LF line ends and each dated line without its date, time and
// mark: "==== inkstamp ARGUMENTS" and "==== status N: WHY". Each entry is
// whole: its two dated lines carry one mark. (Runs that did not overlap may
// share one: cmd.exe draws the same numbers within a second.)
std::string undatedLog(const std::string& path) {
  std::istringstream lines(normalizeLineEnds(readFile(path)));
  std::string result;
  std::string open;
  for (std::string line; std::getline(lines, line);) {
    size_t start = line.find(" [");
    size_t end = line.find("] ", start);
    if (line.starts_with("==== ") && start != std::string::npos && end != std::string::npos) {
      EXPECT_LT(line.find_first_of("0123456789"), start) << "no date and time: " << line;
      std::string mark = line.substr(start + 2, end - start - 2);
      std::string rest = line.substr(end + 2);
      if (rest.starts_with("inkstamp ")) {
        EXPECT_EQ(open, "") << "an entry without its status line before " << line;
        open = mark;
      } else {
        EXPECT_TRUE(rest.starts_with("status ")) << line;
        EXPECT_EQ(mark, open) << "entries interleaved at " << line;
        open.clear();
      }
      line = "==== " + rest;
    } else {
      EXPECT_FALSE(line.starts_with("==== ")) << "no mark: " << line;
    }
    result += line + "\n";
  }
  EXPECT_EQ(open, "") << "the last entry has no status line";
  return result;
}

std::string joined(const std::vector<std::string>& arguments) {
  std::string result;
  for (const std::string& argument : arguments)
    result += (result.empty() ? "" : " ") + argument;
  return result;
}

struct Outcome {
  const char* name;
  std::vector<std::vector<std::string>> setup;  // faxsim commands after the world's
  std::vector<std::string> arguments;
  int status;
  const char* why;
};

}  // namespace

TEST(TaskBatchFile, EachOutcomeHasItsStatusAndItsLogEntry) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string installation = install(folder + "/Fax Client");
  std::string elsewhere = folder + "/System32";
  fs::create_directories(elsewhere);
  const Outcome outcomes[] = {
      {"clean",
       {},
       {"-s", "faxsrv", "-u", "alice", "-mp", "APP*"},
       0,
       "every selected fax was marked"},
      {"no-match", {}, {"-s", "faxsrv", "-u", "alice", "-mp", "NONE*"}, 0, "no fax matched"},
      {"refused-mark",
       {{"add-fault", "faxsrv", "mark", "501", "--target", "B0000102", "--mark-code", "-mp"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "-mv", "B*"},
       4,
       "faxes not fully marked: 1"},
      {"refused-fax-list",
       {{"add-fault", "faxsrv", "fax_list", "4"}},
       {"-s", "faxsrv", "-u", "alice", "-mp", "*"},
       5,
       "no summary, the fax list was refused"},
      // No usable connection, inkstamp's status 1. Five failed tries would
      // take their real 50 seconds of Sleep here; a refused release ends the
      // connection with the same status at once.
      {"no-usable-connection",
       {{"add-server", "oldfax", "--release", "0x510"}, {"add-user", "oldfax", "DAVE"}},
       {"-s", "oldfax", "-u", "dave", "-mp", "*"},
       1,
       "no usable connection to the fax server"},
      {"unknown-user",
       {},
       {"-s", "faxsrv", "-u", "nobody", "-mp", "*"},
       3,
       "the user was not found"},
      {"usage-error", {}, {"-s", "faxsrv", "-u", "alice", "-mp", "-np", "*"}, 255, "usage error"},
  };
  std::string expectedLog;
  for (const Outcome& outcome : outcomes) {
    SCOPED_TRACE(outcome.name);
    std::string store = folder + "/" + outcome.name + ".db";
    std::string nativeStore = folder + "/" + outcome.name + "-native.db";
    makeWorldStore(store, outcome.setup);
    copyFile(store, nativeStore);
    ProcessResult native = runNative(outcome.arguments, nativeStore);
    ProcessResult task = runTask(installation, outcome.arguments, store, elsewhere);
    EXPECT_EQ(task.exitStatus, outcome.status) << describe(task);
    std::string ending = std::string("inkstamp-task: status ") + std::to_string(outcome.status) +
                         ": " + outcome.why + "\n";
    EXPECT_EQ(normalizeLineEnds(task.out), native.out + ending);
    // The faxes are marked as the native run marked them.
    EXPECT_EQ(listFaxes(store, "faxsrv", "alice"), listFaxes(nativeStore, "faxsrv", "alice"));
    expectedLog += "==== inkstamp " + joined(outcome.arguments) + "\n" + native.out +
                   "==== status " + std::to_string(outcome.status) + ": " + outcome.why + "\n";
  }
  // One log beside the batch file, appended to by every run, and nothing
  // left in the current folder or beside the log.
  EXPECT_EQ(undatedLog(installation + "/inkstamp-task.log"), expectedLog);
  EXPECT_TRUE(fs::is_empty(elsewhere));
  EXPECT_EQ(std::distance(fs::directory_iterator(installation), fs::directory_iterator()), 4);
}

// A missing inkstamp.exe is told apart from a usage error and from one that
// can't start, and the log goes where the batch file's first line says, or
// nothing runs at all.
TEST(TaskBatchFile, MissingProgramAndLogElsewhere) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  makeWorldStore(store);
  const std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "alice", "-mv", "B*"};

  std::string withoutProgram = install(folder + "/no-program", {kBatchFile, "RFWIN32.dll"});
  ProcessResult missing = runTask(withoutProgram, arguments, store, folder);
  EXPECT_EQ(missing.exitStatus, 6) << describe(missing);
  EXPECT_EQ(undatedLog(withoutProgram + "/inkstamp-task.log"),
            "==== inkstamp " + joined(arguments) +
                "\n==== status 6: inkstamp.exe is not in the folder of this batch file\n");

  // Without the client library inkstamp.exe can't start: Windows ends it
  // with STATUS_DLL_NOT_FOUND, which no test of "errorlevel 1" would see.
  std::string withoutLibrary = install(folder + "/no-library", {kBatchFile, "inkstamp.exe"});
  ProcessResult cantStart = runTask(withoutLibrary, arguments, store, folder);
  EXPECT_EQ(cantStart.exitStatus, 7) << describe(cantStart);
  EXPECT_NE(undatedLog(withoutLibrary + "/inkstamp-task.log")
                .find("\n==== status 7: inkstamp.exe did not run to its end, Windows reported "
                      "-1073741515 (0xC0000135): a DLL it needs was not found (is RFWIN32.dll "
                      "beside inkstamp.exe?)\n"),
            std::string::npos)
      << readFile(withoutLibrary + "/inkstamp-task.log");

  std::string moved = install(folder + "/moved-log");
  std::string logs = folder + "/Logs";
  fs::create_directories(logs);
  setLog(moved, Wine::windowsPath(logs) + "\\marks.log");
  ProcessResult moved1 = runTask(moved, arguments, store, folder);
  EXPECT_EQ(moved1.exitStatus, 0) << describe(moved1);
  EXPECT_NE(
      undatedLog(logs + "/marks.log").find("\n==== status 0: every selected fax was marked\n"),
      std::string::npos);
  EXPECT_FALSE(fs::exists(moved + "/inkstamp-task.log"));

  // A log that can't be written, in a missing folder or read-only: inkstamp
  // is not run, so nothing is marked without a record of it.
  std::string before = listFaxes(store, "faxsrv", "alice");
  writeFile(logs + "/read-only.log", "older\r\n");
  // Without write permission Wine reports the read-only attribute.
  fs::permissions(logs + "/read-only.log", fs::perms::owner_read | fs::perms::group_read);
  for (const std::string& log : {Wine::windowsPath(folder) + "\\missing\\marks.log",
                                 Wine::windowsPath(logs) + "\\read-only.log"}) {
    SCOPED_TRACE(log);
    setLog(moved, log);
    ProcessResult noLog =
        runTask(moved, {"-s", "faxsrv", "-u", "alice", "-nv", "B*"}, store, folder);
    expectEndedSaying(noLog, 8, "can't write the log", Stream::kErr);
  }
  EXPECT_EQ(listFaxes(store, "faxsrv", "alice"), before);
  EXPECT_EQ(readFile(logs + "/read-only.log"), "older\r\n");
  EXPECT_EQ(namesIn(logs), "marks.log read-only.log ");
}

// What the real program can't be made to do, acted by the stub: an abort
// (which ends with 3, as an unknown user does), a crash, a start that
// Windows refuses, and no output at all.
TEST(TaskBatchFile, ARunThatDidNotEndItsOwnWayEndsWith7Or9) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string installation = install(folder + "/Fax Client", {kBatchFile, "inkstamp.exe"}, true);
  const char kDidNotEnd[] = "inkstamp.exe did not run to its end, Windows reported ";
  const char kAborted[] =
      "inkstamp.exe ended with 3 without naming an unknown user (it may have aborted)";
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string why;
  } cases[] = {
      {{"abort"}, 7, kAborted},
      {{"exit", "3"}, 7, kAborted},
      {{"exit", "-1073741819"},
       7,
       kDidNotEnd + std::string("-1073741819 (0xC0000005): it crashed (access violation)")},
      {{"exit", "-1073741502"}, 7, kDidNotEnd + std::string("-1073741502 (0xC0000142)")},
      {{"exit", "9"}, 7, kDidNotEnd + std::string("9 (0x00000009)")},
      {{"silent"},
       9,
       "no output from inkstamp.exe, its file was missing or empty; what it did is unknown"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(joined(c.arguments));
    ProcessResult run = runTask(installation, c.arguments, "", folder);
    EXPECT_EQ(run.exitStatus, c.status) << describe(run);
    std::string log = undatedLog(installation + "/inkstamp-task.log");
    std::string ending = "==== status " + std::to_string(c.status) + ": " + c.why + "\n";
    EXPECT_TRUE(log.ends_with(ending)) << log;
  }
  EXPECT_EQ(namesIn(installation), "inkstamp-task.bat inkstamp-task.log inkstamp.exe ");
}

// Tasks of several users started in the same second, as the 06:00 tasks
// are: each run keeps its output apart and appends its entry whole, with
// its own status.
TEST(TaskBatchFile, RunsStartedTogetherEachLogAWholeEntry) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string installation = install(folder + "/Fax Client", {kBatchFile, "inkstamp.exe"}, true);
  const int kPairs = 10;
  for (int pair = 0; pair < kPairs; ++pair) {
    SCOPED_TRACE(pair);
    auto clean = std::async(std::launch::async, [&] {
      return runTask(installation, {"summary", "0"}, "", folder);
    });
    auto failed = std::async(std::launch::async, [&] {
      return runTask(installation, {"summary", "1"}, "", folder);
    });
    ProcessResult first = clean.get();
    ProcessResult second = failed.get();
    EXPECT_EQ(first.exitStatus, 0) << describe(first);
    EXPECT_EQ(second.exitStatus, 4) << describe(second);
  }
  std::string log = undatedLog(installation + "/inkstamp-task.log");
  auto entry = [](const char* failed, const char* status) {
    return std::string("==== inkstamp summary ") + failed + "\nstub inkstamp: summary\nfaxes:2 " +
           "marked:2 failed:" + failed + " skipped:0 total:2\n==== status " + status + "\n";
  };
  std::string cleanEntry = entry("0", "0: every selected fax was marked");
  std::string failedEntry = entry("1", "4: faxes not fully marked: 1");
  int cleanEntries = 0;
  int failedEntries = 0;
  for (size_t at = 0; at < log.size();) {
    if (log.compare(at, cleanEntry.size(), cleanEntry) == 0) {
      ++cleanEntries;
      at += cleanEntry.size();
    } else if (log.compare(at, failedEntry.size(), failedEntry) == 0) {
      ++failedEntries;
      at += failedEntry.size();
    } else {
      ADD_FAILURE() << "not a whole entry at " << at << ":\n" << log.substr(at);
      break;
    }
  }
  EXPECT_EQ(cleanEntries, kPairs);
  EXPECT_EQ(failedEntries, kPairs);
  EXPECT_EQ(namesIn(installation), "inkstamp-task.bat inkstamp-task.log inkstamp.exe ");
}

// The log's lock, a folder beside it, held by another run: this run waits
// for it before it appends its entry (Windows may refuse an append while
// another run's is under way, which Wine never does).
TEST(TaskBatchFile, ARunWaitsForTheLogsLock) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string installation = install(folder + "/Fax Client", {kBatchFile, "inkstamp.exe"}, true);
  std::string lock = installation + "/inkstamp-task.log.lock";
  fs::create_directory(lock);
  auto run = std::async(std::launch::async, [&] {
    return runTask(installation, {"summary", "0"}, "", folder);
  });
  // The stub's run takes two or three seconds; the log stays as the check
  // of its writability left it, empty.
  EXPECT_EQ(run.wait_for(std::chrono::seconds(6)), std::future_status::timeout);
  EXPECT_EQ(readFile(installation + "/inkstamp-task.log"), "");
  fs::remove(lock);
  ProcessResult ended = run.get();
  EXPECT_EQ(ended.exitStatus, 0) << describe(ended);
  EXPECT_NE(undatedLog(installation + "/inkstamp-task.log")
                .find("==== status 0: every selected fax was marked\n"),
            std::string::npos);
  EXPECT_EQ(namesIn(installation), "inkstamp-task.bat inkstamp-task.log inkstamp.exe ");
}

// The example in INSTALL.txt, exactly as it stands there, typed into cmd.exe
// (here: the one line of a batch file) with the batch file installed where
// the example says, on a server of that name, and left as it comes: the log
// goes under %ProgramData%, made on first use, and nothing is written in the
// installation's folder.
TEST(TaskBatchFile, TheInstallNotesExampleRunsAsWritten) {
  REQUIRE_WINE();
  std::istringstream note(readFile(INKSTAMP_INSTALL_NOTE));
  std::string example;
  for (std::string line; std::getline(note, line);) {
    if (line.find("\\inkstamp-task.bat\" -s ") != std::string::npos &&
        line.find("schtasks") == std::string::npos)
      example = line.substr(line.find_first_not_of(' '));
  }
  ASSERT_TRUE(example.starts_with("\"C:\\Program Files\\RightFax\\inkstamp-task.bat\" "))
      << example;
  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  makeWorldStore(store, {{"add-server", "faxserver"},
                         {"add-user", "faxserver", "ALICE"},
                         {"add-fax", "faxserver", "ALICE", "APP0438B2C87FE62B9"},
                         {"add-fax", "faxserver", "ALICE", "B000409E2"}});
  const Wine& wine = Wine::get();
  std::string rightFax = wine.prefix + "/drive_c/Program Files/RightFax";
  std::string programData = wine.prefix + "/drive_c/ProgramData/InkStamp";
  fs::remove_all(rightFax);
  fs::remove_all(programData);
  install(rightFax, {kBatchFile, "inkstamp.exe", "RFWIN32.dll"}, false, true);
  ASSERT_TRUE(readFile(rightFax + "/" + kBatchFile).starts_with(std::string(kFirstLine) + "\r\n"));
  writeFile(folder + "/typed.bat", example + "\r\n");
  ProcessOptions options = wine.options();
  options.env.push_back({"FAXSIM_STORE", Wine::windowsPath(store)});
  options.workingDirectory = folder;
  ProcessResult typed =
      runProcess({wine.loader, Wine::windowsPath(folder + "/typed.bat")}, options);
  std::string log = undatedLog(programData + "/inkstamp-task.log");
  std::string installed = namesIn(rightFax);
  fs::remove_all(rightFax);
  fs::remove_all(programData);
  EXPECT_EQ(typed.exitStatus, 0) << describe(typed);
  EXPECT_NE(log.find("\n1/1 APP0438B2C87FE62B9\n  -> marked\n\nfaxes:1 marked:1 failed:0 "),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\n==== status 0: every selected fax was marked\n"), std::string::npos);
  EXPECT_EQ(installed, "RFWIN32.dll inkstamp-task.bat inkstamp.exe ");
}
