// faxlist end to end on the office store: a run that stops in the session
// ends as inkstamp's does and writes no CSV file, a CSV file that can't be
// written gives status 4 and leaves nothing behind, and awkward fax IDs
// survive the CSV file byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
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

std::string folderListing(const std::string& dir) {
  std::string names;
  for (const auto& entry : fs::directory_iterator(dir))
    names += entry.path().filename().string() + " ";
  return names;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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
    EXPECT_EQ(folderListing(store_.dir() + "/out"), "");
  }

  // A refused fax list ends inkstamp's run with 0 but can't make a CSV
  // file: 4, and an older file under the name stays as it was.
  std::ofstream(csvPath(), std::ios::binary) << "older";
  addFault({"fax_list", "4"});
  ProgramRun refused = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", csvPath()});
  EXPECT_EQ(refused.status(), 4) << refused.out();
  EXPECT_NE(refused.out().find("Can't write CSV file: " + csvPath() + " (no fax list)\n"),
            std::string::npos)
      << refused.out();
  EXPECT_EQ(fileText(csvPath()), "older");
  EXPECT_EQ(folderListing(store_.dir() + "/out"), "list.csv ");
}

TEST_F(FaxlistTest, AnUnwritableCsvPathGivesStatus4AndLeavesNoFile) {
  // No such folder: found out before the server is contacted.
  ProgramRun missing = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", csvPath()});
  EXPECT_EQ(missing.status(), 4) << missing.out();
  EXPECT_NE(missing.out().find("Can't write CSV file: " + csvPath() + " ("), std::string::npos)
      << missing.out();
  EXPECT_EQ(callsOf(missing.trace, "RFaxCreateServerHandle"), "");
  EXPECT_FALSE(fs::exists(store_.dir() + "/out"));
  ProgramRun empty = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", ""});
  EXPECT_EQ(empty.status(), 4) << empty.out();
  EXPECT_TRUE(empty.out().ends_with("Can't write CSV file:  (no file name)\n")) << empty.out();

  // A folder under the name: found out when the list is complete and would
  // replace it; the folder stays and the temporary file goes.
  makeOutFolder();
  fs::create_directories(csvPath() + "/inside");
  ProgramRun folder = runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-o", csvPath()});
  EXPECT_EQ(folder.status(), 4) << folder.out();
  EXPECT_NE(folder.out().find("faxes:4 skipped:0 total:4\n"), std::string::npos) << folder.out();
  EXPECT_NE(folder.out().find("Can't write CSV file: " + csvPath() + " ("), std::string::npos);
  EXPECT_EQ(folderListing(store_.dir() + "/out"), "list.csv ");
  EXPECT_EQ(folderListing(csvPath()), "inside ");
  // The session still ends as usual.
  EXPECT_TRUE(folder.out().ends_with(worldSessionTail())) << folder.out();
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
  ASSERT_TRUE(readCsv(fileText(csvPath()), &records)) << fileText(csvPath());
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
  EXPECT_EQ(folderListing(store_.dir() + "/out"), "list.csv ");

  // A second run replaces the file whole.
  ProgramRun again =
      runFaxlistAgainst(store_, {"-s", "faxsrv", "-u", "carol", "-o", csvPath(), "a,b"});
  ASSERT_EQ(again.status(), 0) << again.out();
  EXPECT_EQ(fileText(csvPath()),
            "Fax ID,Dir,Date (UTC),Pages,Viewed,Error,Handle\r\n"
            "\"a,b\",recv,2008-11-01 00:00:00,0,no,0,0000012C\r\n");
}

}  // namespace
}  // namespace e2e
