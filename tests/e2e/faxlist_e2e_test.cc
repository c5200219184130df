// faxlist end to end on the office store: a run that stops in the session
// ends as inkstamp's does and writes no CSV file; -o refuses what it must not
// replace, keeps a replaced file's permissions, and a CSV file that can't be
// written gives status 4 and leaves nothing behind; and awkward fax IDs
// survive the CSV file byte for byte.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

namespace fs = std::filesystem;

// The banner's five lines differ between the programs; what follows is the
// session's, and the same.
std::string afterBanner(const std::string& out) {
  size_t at = 0;
  for (int line = 0; line < 5 && at != std::string::npos; ++line)
    at = out.find('\n', at) + 1;
  return at == std::string::npos ? out : out.substr(at);
}

// An RFC 4180 reader: records end with CR LF, fields are separated by
// commas, and a field in double quotes may hold anything, its quotes
// doubled. False when `text` breaks those rules.
bool readCsv(const std::string& text, std::vector<std::vector<std::string>>* records) {
  std::vector<std::string> record(1);
  size_t i = 0;
  while (i < text.size()) {
    std::string& field = record.back();
    if (text[i] == '"' && field.empty()) {
      for (++i;; ++i) {
        if (i >= text.size())
          return false;
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        field += text[i];
      }
      if (i < text.size() && text[i] != ',' && text[i] != '\r')
        return false;
    } else if (text[i] == ',') {
      record.emplace_back();
      ++i;
    } else if (text[i] == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n')
        return false;
      records->push_back(record);
      record.assign(1, "");
      i += 2;
    } else if (text[i] == '"' || text[i] == '\n') {
      return false;
    } else {
      field += text[i++];
    }
  }
  return record.size() == 1 && record[0].empty();  // the last record ended
}

class FaxlistTest : public WorldStoreTest {
 protected:
  std::string csvPath() const { return store_.dir() + "/out/list.csv"; }
  void makeOutFolder() const { fs::create_directories(store_.dir() + "/out"); }
};

TEST_F(FaxlistTest, SessionFailuresEndAsInkstampsDoAndWriteNoCsv) {
  ASSERT_TRUE(store_.faxsim({"add-server", "oldfax", "--release", "0x510"}));
  ASSERT_TRUE(store_.faxsim({"add-server", "brokeninfo"}));
  ASSERT_TRUE(store_.faxsim({"add-user", "brokeninfo", "ALICE"}));
  ASSERT_TRUE(store_.faxsim({"add-fault", "brokeninfo", "server_info", "12"}));
  const struct {
    const char* host;
    const char* user;
    int status;
  } cases[] = {
      {"nosuchhost", "alice", 1},
      {"oldfax", "alice", 1},
      {"brokeninfo", "alice", 2},
      {"faxsrv", "nobody", 3},
  };
  makeOutFolder();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    ProgramRun marked = run({"-s", c.host, "-u", c.user, "-m1", "*"});
    ProgramRun listed = runFaxlistAgainst(store_, {"-s", c.host, "-u", c.user, "-o", csvPath()});
    EXPECT_EQ(marked.status(), c.status) << marked.out();
    EXPECT_EQ(listed.status(), c.status) << listed.out();
    EXPECT_EQ(afterBanner(listed.out()), afterBanner(marked.out()));
    EXPECT_EQ(listed.trace, marked.trace);
    EXPECT_EQ(namesIn(store_.dir() + "/out"), "");
  }

  // A refused fax list ends inkstamp's run with 0 but can't make a CSV
  // file: 4, and an older file under the name stays as it was.
  ASSERT_TRUE(writeFile(csvPath(), "older"));
  addFault({"fax_list", "4"});
  ProgramRun refused = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", csvPath()});
  EXPECT_EQ(refused.status(), 4) << refused.out();
  EXPECT_NE(refused.out().find("Can't write CSV file: " + csvPath() + " (no fax list)\n"),
            std::string::npos)
      << refused.out();
  EXPECT_EQ(readFile(csvPath()), "older");
  EXPECT_EQ(namesIn(store_.dir() + "/out"), "list.csv ");
}

// What stands at a path: its kind, permissions and content, without
// following a link or opening a FIFO.
std::string pathState(const std::string& path) {
  struct stat status;
  if (lstat(path.c_str(), &status) != 0)
    return "absent";
  std::string state = std::to_string(status.st_mode) + " ";
  if (S_ISREG(status.st_mode))
    state += readFile(path);
  else if (S_ISLNK(status.st_mode))
    state += fs::read_symlink(path).string();
  return state;
}

// After the session's lines, before the list: the library's resolved path,
// and that it is our simulator.
TEST_F(FaxlistTest, NamesTheClientLibraryItLoaded) {
  ProgramRun listed = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "APP0001A"});
  ASSERT_EQ(listed.status(), 0) << listed.out();
  const std::string line = "Client library: " + fs::canonical(INKSTAMP_CLIENT_LIBRARY).string() +
                           " (InkStamp's simulator for tests, not the vendor's library)\n\n"
                           "Retrieving fax list...\n";
  EXPECT_NE(listed.out().find("\"\n\n" + line), std::string::npos) << listed.out();
}

TEST_F(FaxlistTest, RefusedTargetsStayAsTheyWereAndTheServerIsNotContacted) {
  makeOutFolder();
  std::string out = store_.dir() + "/out/";
  ASSERT_TRUE(fs::create_directory(out + "folder.csv"));
  ASSERT_TRUE(writeFile(out + "listed.csv", "older"));
  fs::create_symlink("listed.csv", out + "link.csv");
  fs::create_symlink("nowhere.csv", out + "dangling.csv");
  ASSERT_EQ(mkfifo((out + "fifo.csv").c_str(), 0644), 0);
  ASSERT_TRUE(writeFile(out + "readonly.csv", "keep"));
  fs::permissions(out + "readonly.csv", fs::perms::owner_read | fs::perms::group_read);
  const struct {
    std::vector<std::string> csvOption;
    std::string line;
  } cases[] = {
      {{"-o"}, "Can't write CSV file: no file name follows -o"},
      {{"-o", ""}, "Can't write CSV file:  (no file name)"},
      {{"-o", "-"},
       "Can't write CSV file: - (not a file name; the list is on standard output already)"},
      {{"-o", "APP*"},
       "Can't write CSV file: APP* (a file name can't hold '*' or '?'; is the file name missing "
       "after -o?)"},
      {{"-o", out + "B00040?E2.csv"},
       "Can't write CSV file: " + out +
           "B00040?E2.csv (a file name can't hold '*' or '?'; is the file name missing after -o?)"},
      {{"-o", out + "folder.csv"},
       "Can't write CSV file: " + out + "folder.csv (a folder, not an ordinary file)"},
      {{"-o", out + "link.csv"},
       "Can't write CSV file: " + out + "link.csv (a symbolic link, not an ordinary file)"},
      {{"-o", out + "dangling.csv"},
       "Can't write CSV file: " + out + "dangling.csv (a symbolic link, not an ordinary file)"},
      {{"-o", out + "fifo.csv"},
       "Can't write CSV file: " + out + "fifo.csv (a FIFO, not an ordinary file)"},
      {{"-o", "/dev/null"}, "Can't write CSV file: /dev/null (a device, not an ordinary file)"},
      {{"-o", out + "readonly.csv"},
       "Can't write CSV file: " + out + "readonly.csv (a read-only file)"},
      // The temporary file can't be made beside it.
      {{"-o", out + "missing/list.csv"},
       "Can't write CSV file: " + out + "missing/list.csv (No such file or directory)"},
  };
  const std::vector<std::string> paths = {"folder.csv",   "listed.csv", "link.csv",
                                          "dangling.csv", "fifo.csv",   "readonly.csv"};
  std::vector<std::string> before;
  for (const std::string& path : paths)
    before.push_back(pathState(out + path));
  std::string devNull = pathState("/dev/null");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    // A short time limit: a FIFO opened for writing would block, and a
    // parser stuck on a trailing -o would never end.
    ProgramRun refused =
        runFaxlistAgainst(store_, joined({{"-s", "faxsrv", "-u", "alice"}, c.csvOption}), {},
                          std::chrono::seconds(10));
    EXPECT_EQ(refused.status(), 4) << refused.process.describe() << refused.out();
    EXPECT_TRUE(refused.out().ends_with("Z\n" + c.line + "\n")) << refused.out();
    EXPECT_EQ(refused.trace.find("RFaxCreateServerHandle"), std::string::npos);
  }
  for (size_t i = 0; i < paths.size(); ++i)
    EXPECT_EQ(pathState(out + paths[i]), before[i]) << paths[i];
  EXPECT_EQ(pathState("/dev/null"), devNull);
  EXPECT_EQ(namesIn(out), "dangling.csv fifo.csv folder.csv link.csv listed.csv readonly.csv ");
}

TEST_F(FaxlistTest, AReplacedFileKeepsItsPermissionsAndTheReasonOfAFailedWriteIsGiven) {
  makeOutFolder();
  ASSERT_TRUE(writeFile(csvPath(), "older"));
  fs::permissions(csvPath(), fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::others_write);
  ProgramRun replaced =
      runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", csvPath(), "B0000102"});
  ASSERT_EQ(replaced.status(), 0) << replaced.out();
  EXPECT_EQ(fs::status(csvPath()).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                     fs::perms::group_read |
                                                     fs::perms::others_write);
  EXPECT_EQ(readFile(csvPath()).substr(0, 7), "Fax ID,");

  // A file size limit far below the list's size makes a write fail on its
  // way; SIGXFSZ ignored, the write returns EFBIG.
  ASSERT_TRUE(store_.faxsim({"generate", "faxsrv", "CAROL", "3000", "--seed", "5"}));
  std::string before = readFile(csvPath());
  std::vector<std::string> limited = {
      "/bin/sh", "-c", "ulimit -f 128; trap '' XFSZ; exec \"$0\" \"$@\"", faxlistCommand()[0]};
  ProcessResult failed = runCommand(limited, {"-s", "faxsrv", "-u", "carol", "-a", "-o", csvPath()},
                                    {{"FAXSIM_STORE", store_.path()}, {"FAXSIM_SLEEP_SCALE", "0"}});
  EXPECT_EQ(failed.exitStatus, 4) << failed.describe();
  EXPECT_NE(failed.out.find("\nfaxes:3000 skipped:0 total:3000\n"), std::string::npos);
  EXPECT_NE(failed.out.find("\nCan't write CSV file: " + csvPath() + " (File too large)\n"),
            std::string::npos)
      << failed.out;
  EXPECT_EQ(readFile(csvPath()), before);
  EXPECT_EQ(namesIn(store_.dir() + "/out"), "list.csv ");
}

TEST_F(FaxlistTest, AwkwardFaxIdsRoundTripThroughTheCsvFile) {
  const std::vector<std::string> awkward = {
      "a,b",      "say \"hi\"",        "\"",       "two\r\nlines", "lf\nonly",
      "cr\ronly", "\xC9t\xE9\x80\xFF", " padded ", ",,",           "=1+1",
  };
  for (size_t i = 0; i < awkward.size(); ++i) {
    ASSERT_TRUE(store_.faxsim(
        {"add-fax", "faxsrv", "CAROL", awkward[i], "--handle", std::to_string(300 + i), "--date",
         "2008-11-0" + std::to_string(1 + i % 9), "--pages", std::to_string(i)}))
        << store_.lastFaxsim().describe();
  }
  makeOutFolder();
  ProgramRun listed = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "carol", "-o", csvPath()});
  ASSERT_EQ(listed.status(), 0) << listed.out();
  EXPECT_NE(listed.out().find("CSV file written: " + csvPath() + "\n"), std::string::npos);
  std::vector<std::vector<std::string>> records;
  ASSERT_TRUE(readCsv(readFile(csvPath()), &records)) << readFile(csvPath());
  ASSERT_EQ(records.size(), awkward.size() + 1);
  EXPECT_EQ(records[0], (std::vector<std::string>{"Fax ID", "Dir", "Date (UTC)", "Pages", "Viewed",
                                                  "Error", "Handle"}));
  for (size_t i = 0; i < awkward.size(); ++i) {
    char handle[20];
    snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(300 + i));
    EXPECT_EQ(records[i + 1],
              (std::vector<std::string>{awkward[i], "recv",
                                        "2008-11-0" + std::to_string(1 + i % 9) + " 00:00:00",
                                        std::to_string(i), "no", "0", handle}));
  }
  EXPECT_EQ(namesIn(store_.dir() + "/out"), "list.csv ");

  // A second run replaces the file whole.
  ProgramRun again =
      runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "carol", "-o", csvPath(), "a,b"});
  ASSERT_EQ(again.status(), 0) << again.out();
  EXPECT_EQ(readFile(csvPath()),
            "Fax ID,Dir,Date (UTC),Pages,Viewed,Error,Handle\r\n"
            "\"a,b\",recv,2008-11-01 00:00:00,0,no,0,0000012C\r\n");
}

}  // namespace
}  // namespace e2e
