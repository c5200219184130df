// inkstamp-task.bat, the batch file for scheduled tasks, run by Wine's
// cmd.exe as Task Scheduler runs it: the batch file started directly, from a
// current folder other than its own, with inkstamp.exe and the simulator's
// RFWIN32.dll beside it in a folder whose name has a space. Each outcome must
// give its own status and append the run's output, as the native inkstamp
// prints it, between a dated line with the arguments and a dated line with
// the status.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/program_under_test.h"
#include "support/sim_store.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

namespace fs = std::filesystem;

const char kBatchFile[] = "inkstamp-task.bat";

// An installation as INSTALL.txt describes it: the batch file beside
// inkstamp.exe and the client library, in a folder of the test's own, so
// that the log it keeps beside itself is the test's.
std::string install(const std::string& folder, const std::vector<std::string>& files = {
                                                   kBatchFile, "inkstamp.exe", "RFWIN32.dll"}) {
  fs::create_directories(folder);
  for (const std::string& file : files)
    EXPECT_TRUE(copyFile(Wine::get().stagePath(file), folder + "/" + file)) << file;
  return folder;
}

ProcessResult runTask(const std::string& installation, const std::vector<std::string>& arguments,
                      const std::string& store, const std::string& currentFolder) {
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.env.push_back({"FAXSIM_STORE", Wine::windowsPath(store)});
  options.workingDirectory = currentFolder;
  std::vector<std::string> command = {wine.loader,
                                      Wine::windowsPath(installation + "/" + kBatchFile)};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return runProcess(command, options);
}

// The log with LF line ends and each dated line without its date and time:
// "==== inkstamp ARGUMENTS" and "==== status N: WHY".
std::string undatedLog(const std::string& path) {
  std::istringstream lines(normalizeLineEnds(readFile(path)));
  std::string result;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("==== ")) {
      size_t rest = line.find(" inkstamp ");
      if (rest == std::string::npos)
        rest = line.find(" status ");
      EXPECT_NE(rest, std::string::npos) << line;
      EXPECT_NE(line.find_first_of("0123456789"), rest) << "no date and time: " << line;
      if (rest != std::string::npos)
        line = "====" + line.substr(rest);
    }
    result += line + "\n";
  }
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
// can't start, and the log goes
// where the batch file's first line says, or nothing runs at all.
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
                      "-1073741515\n"),
            std::string::npos)
      << readFile(withoutLibrary + "/inkstamp-task.log");

  std::string moved = install(folder + "/moved-log");
  std::string batchFile = moved + "/" + kBatchFile;
  std::string text = readFile(batchFile);
  std::string firstLine = text.substr(0, text.find("\r\n"));
  ASSERT_EQ(firstLine, "@setlocal & set \"LOG=%~dp0inkstamp-task.log\"");
  std::string logs = folder + "/Logs";
  fs::create_directories(logs);
  writeFile(batchFile, "@setlocal & set \"LOG=" + Wine::windowsPath(logs) + "\\marks.log\"" +
                           text.substr(firstLine.size()));
  ProcessResult moved1 = runTask(moved, arguments, store, folder);
  EXPECT_EQ(moved1.exitStatus, 0) << describe(moved1);
  EXPECT_NE(
      undatedLog(logs + "/marks.log").find("\n==== status 0: every selected fax was marked\n"),
      std::string::npos);
  EXPECT_FALSE(fs::exists(moved + "/inkstamp-task.log"));

  // A log that can't be written: inkstamp is not run, so nothing is marked
  // without a record of it.
  std::string before = listFaxes(store, "faxsrv", "alice");
  writeFile(batchFile, "@setlocal & set \"LOG=" + Wine::windowsPath(folder) +
                           "\\missing\\marks.log\"" + text.substr(firstLine.size()));
  ProcessResult noLog = runTask(moved, {"-s", "faxsrv", "-u", "alice", "-nv", "B*"}, store, folder);
  expectEndedSaying(noLog, 8, "can't write the log", Stream::kErr);
  EXPECT_EQ(listFaxes(store, "faxsrv", "alice"), before);
}

// The example in INSTALL.txt, exactly as it stands there, typed into cmd.exe
// (here: the one line of a batch file) with the batch file installed where
// the example says, on a server of that name.
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
  std::string rightFax = Wine::get().prefix + "/drive_c/Program Files/RightFax";
  fs::remove_all(rightFax);
  install(rightFax);
  writeFile(folder + "/typed.bat", example + "\r\n");
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.env.push_back({"FAXSIM_STORE", Wine::windowsPath(store)});
  options.workingDirectory = folder;
  ProcessResult typed =
      runProcess({wine.loader, Wine::windowsPath(folder + "/typed.bat")}, options);
  std::string log = undatedLog(rightFax + "/inkstamp-task.log");
  fs::remove_all(rightFax);
  EXPECT_EQ(typed.exitStatus, 0) << describe(typed);
  EXPECT_NE(log.find("\n1/1 APP0438B2C87FE62B9\n  -> marked\n\nfaxes:1 marked:1 failed:0 "),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\n==== status 0: every selected fax was marked\n"), std::string::npos);
}
