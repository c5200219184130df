// faxlist against the fake client library: what it lists and never marks,
// and what becomes of the CSV file when a run stops early.
#include "faxlist/list_program.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "fakeclient/main_office.h"
#include "inkstamp/c_string_vector_for_test.h"

namespace {

namespace fs = std::filesystem;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class ListProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    fakeclient::resetToMainOffice();
    FaxListElement faxes[] = {
        fakeclient::makeElement(31, kFaxFlagReceived | kFaxFlagViewed, 20, 3, 0,
                                "APP0438B2C87FE62B9"),
        fakeclient::makeElement(32, 0, 10, 2, 7, "B000409E2"),
        fakeclient::makeElement(33, kFaxFlagReceived, 15, 1, 0, "B000409E3"),
    };
    fakeclient::setList(faxes, 3);
    dir_ = fs::temp_directory_path() /
           ("faxlist-test-" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    csv_ = (dir_ / "list.csv").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  int run(std::initializer_list<const char*> arguments) {
    CStringVector argv = CStringVector::commandLine(arguments);
    CaptureStdout();
    ListProgram program;
    program.output = stdout;
    int status = program.run(argv.count(), argv.vector());
    program.disconnect();  // as the entry point does after a refused release
    output_ = GetCapturedStdout();
    return status;
  }

  // The names in the test's folder, separated by blanks.
  std::string folder() const {
    std::string names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names += (names.empty() ? "" : " ") + entry.path().filename().string();
    return names;
  }

  static std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
  std::string csv_;
  std::string output_;
};

TEST_F(ListProgramTest, ListsTheSelectionSortedAndMarksNothing) {
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-t", "-o", csv_.c_str(), "b*", "APP*"}), 0);
  std::string pass = output_.substr(output_.find("Retrieving fax list..."));
  EXPECT_EQ(pass,
            "Retrieving fax list...\n"
            "Sorting fax list by date...\n"
            "\n"
            "Fax ID               Dir  Date (UTC)           Pages Viewed Error Handle\n"
            "B000409E2            sent 1970-01-01 00:00:10      2 no         7 00000020\n"
            "B000409E3            recv 1970-01-01 00:00:15      1 no         0 00000021\n"
            "APP0438B2C87FE62B9   recv 1970-01-01 00:00:20      3 yes        0 0000001F\n"
            "\n"
            "faxes:3 skipped:0 total:3\n"
            "recv:2 sent:1 viewed:1 pages:6 errs:1\n"
            "CSV file written: " +
                csv_ +
                "\n"
                "\n"
                "Disconnect from RightFax server: faxsrv, Main office\n"
                "Disconnected\n");
  EXPECT_EQ(fileText(csv_),
            "Fax ID,Dir,Date (UTC),Pages,Viewed,Error,Handle\r\n"
            "B000409E2,sent,1970-01-01 00:00:10,2,no,7,00000020\r\n"
            "B000409E3,recv,1970-01-01 00:00:15,1,no,0,00000021\r\n"
            "APP0438B2C87FE62B9,recv,1970-01-01 00:00:20,3,yes,0,0000001F\r\n");
  EXPECT_EQ(folder(), "list.csv");
  EXPECT_EQ(fakeclient::trace().find("RFaxLoadFax3"), std::string::npos);
  EXPECT_EQ(fakeclient::trace().find("InkStampFax"), std::string::npos);
}

// A run that stops before the list is walked writes no CSV file and leaves
// no temporary file; an older file under the name stays as it was.
TEST_F(ListProgramTest, RunsThatStopEarlyLeaveTheTargetAsItWas) {
  const struct {
    const char* name;
    void (*fault)();
    int status;
  } cases[] = {
      {"no connection", [] { fakeclient::failConnects(5, 2); }, 1},
      {"release refused", [] { fakeclient::setReleaseCheckResult(8); }, 1},
      {"no server info", [] { fakeclient::failServerInfo(12); }, 2},
      {"no such user", [] { fakeclient::failLoadUser(4); }, 3},
      {"fax list refused", [] { fakeclient::failFaxList(4); }, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool older : {false, true}) {
      SetUp();
      if (older)
        std::ofstream(csv_) << "older";
      c.fault();
      EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-o", csv_.c_str()}), c.status) << output_;
      EXPECT_EQ(folder(), older ? "list.csv" : "");
      if (older) {
        EXPECT_EQ(fileText(csv_), "older");
      }
    }
  }
  EXPECT_NE(output_.find("Can't write CSV file: " + csv_ + " (no fax list)\n"), std::string::npos)
      << output_;
}

// A file that can't be begun is reported before the server is contacted.
TEST_F(ListProgramTest, AnUnwritableCsvPathEndsWith4BeforeConnecting) {
  std::string path = (dir_ / "missing" / "list.csv").string();
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-o", path.c_str()}), 4);
  EXPECT_EQ(output_.substr(output_.find('\n') + 1),
            "Can't write CSV file: " + path + " (No such file or directory)\n");
  EXPECT_EQ(fakeclient::trace().find("RFaxCreateServerHandle"), std::string::npos);
}

}  // namespace
