#include "inkstamp/mark_program.h"

#include <stdio.h>

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "inkstamp/identity.h"
#include "support/c_string_vector.h"
#include "support/expected_output.h"
#include "support/fake_server_test.h"
#include "support/files.h"

namespace {

using support::connectedAtFirstTry;
using support::CStringVector;
using support::failedTries;
using support::outputHead;
using support::refusedReleaseTail;
using support::usage;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

const char kVersionLine[] = "RightFax API version: 12/06/2008 00:00:00Z\n";

const char kConnected[] =
    "Server: faxsrv\n"
    "Connecting to RightFax server: faxsrv\n"
    "Connect(1) to RightFax server: faxsrv\n"
    "Connected to RightFax server:  faxsrv\n"
    "\n";

const char kDisconnected[] =
    "Disconnect from RightFax server: faxsrv, Main office\n"
    "Disconnected\n";

// One run of a fresh program on standard output, as the entry point makes
// it, against the fake server "faxsrv" with user ALICE and two faxes.
class MarkProgramTest : public support::FakeServerTest {
 protected:
  void SetUp() override {
    FakeServerTest::SetUp();
    FaxListElement faxes[] = {
        fakeclient::makeElement(31, kFaxFlagReceived, 20, 3, 0, "APP0438B2C87FE62B9"),
        fakeclient::makeElement(32, 0, 10, 2, 0, "B000409E2"),
    };
    fakeclient::setList(faxes, 2);
    sortOrder = kSortNone;
  }
  void TearDown() override { sortOrder = kSortNone; }

  // Runs the program on `arguments`; `output_` gets everything printed,
  // the construction's version line included.
  int run(std::initializer_list<const char*> arguments) {
    CStringVector argv = CStringVector::commandLine(arguments);
    CaptureStdout();
    int status;
    {
      MarkProgram program;
      program.output = stdout;
      status = program.run(argv.count(), argv.vector());
      handleLeftOpen_ = program.serverHandle;
      // The program's destructor would disconnect; the entry point does not
      // rely on it, so neither does the test.
      program.serverHandle = 0;
    }
    output_ = GetCapturedStdout();
    return status;
  }

  std::string output_;
  RFaxServerHandle handleLeftOpen_ = 0;
};

TEST_F(MarkProgramTest, UsageProblemsEndWithTheUsageText) {
  const struct {
    std::initializer_list<const char*> arguments;
    std::string before;
  } cases[] = {
      {{}, "\n"},
      {{"/?"}, "\n"},
      {{"-?"}, ""},
      {{"-s", "faxsrv", "-HELP"}, ""},
      {{"-mp", "-np"}, ""},
      {{"-s"}, ""},
      {{"-s", "-u", "word"}, "Missing '-u' user-ID option.\n\n"},
      {{"-s", "faxsrv", "-u", "alice", "fax"}, "No '-m' or '-n' marking options specified.\n\n"},
      {{"-s", "faxsrv", "-u", "alice", "-mp"}, "No fax-IDs specified.\n\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.arguments), 255);
    EXPECT_EQ(output_, kVersionLine + c.before + usage());
  }
  EXPECT_EQ(fakeclient::trace().find("RFaxCreateServerHandle"), std::string::npos);
}

// What the entry point does with a command line that the code page altered
// (Windows only), once it has named the argument.
TEST_F(MarkProgramTest, ARefusedCommandLineEndsLikeAUsageError) {
  CaptureStdout();
  int status = refuseChangedArguments(kInkStampIdentity, stdout);
  EXPECT_EQ(status, 255);
  EXPECT_EQ(GetCapturedStdout(), "\n" + usage());
}

// A run that a session step ends: the step's fault, the user asked for, and
// the exit status, the output after the version line and the server handle
// that run() leaves for the entry point to close.
struct SessionEnd {
  const char* name;
  void (*fault)();
  const char* user;
  int status;
  std::string afterVersionLine;
  RFaxServerHandle leftOpen;
};

// Names the case in test listings, in place of its bytes.
void PrintTo(const SessionEnd& end, std::ostream* os) {
  *os << end.name;
}

std::vector<SessionEnd> sessionEnds() {
  return {
      {"NoConnectionEndsWithStatus1", [] { fakeclient::failConnects(5, 2); }, "alice", 1,
       "Server: faxsrv\n"
       "Connecting to RightFax server: faxsrv\n" +
           failedTries("faxsrv", "error 2: Server not found", 1, 5) +
           "Can't connect to RightFax server after 5 tries: faxsrv\n",
       0},
      {"RefusedReleaseLeavesTheConnectionForTheEntryPoint",
       [] { fakeclient::setReleaseCheckResult(8); }, "alice", 1,
       connectedAtFirstTry("faxsrv") + "Incompatible RightFax server release, need 5.20\n", 1},
      {"ServerInfoFailureEndsWithStatus2", [] { fakeclient::failServerInfo(3); }, "alice", 2,
       std::string(kConnected) + "Can't retrieve server info: faxsrv\n"
                                 "Disconnect from RightFax server: faxsrv, -\n"
                                 "Disconnected\n",
       0},
      {"UnknownUserEndsWithStatus3", [] { fakeclient::failLoadUser(4); }, "nobody", 3,
       std::string(kConnected) +
           "RightFax server: faxsrv, Main office\n"
           "\n"
           "Retrieving user info...\n"
           "Invalid user: \"nobody\"\n" +
           kDisconnected,
       0},
  };
}

class SessionEndTest : public MarkProgramTest, public ::testing::WithParamInterface<SessionEnd> {};

TEST_P(SessionEndTest, EndsTheRunWithTheStepsStatus) {
  const SessionEnd& end = GetParam();
  end.fault();
  EXPECT_EQ(run({"-s", "faxsrv", "-u", end.user, "-mp", "*"}), end.status);
  EXPECT_EQ(output_, kVersionLine + end.afterVersionLine);
  EXPECT_EQ(handleLeftOpen_, end.leftOpen);
}

INSTANTIATE_TEST_SUITE_P(MarkProgram, SessionEndTest, ::testing::ValuesIn(sessionEnds()),
                         [](const ::testing::TestParamInfo<SessionEnd>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(MarkProgramTest, AFullRunMarksAndEndsWithStatus0) {
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-R", "-mp", "-mb", "app*", "nomatch"}), 0);
  EXPECT_EQ(output_, std::string(kVersionLine) + kConnected +
                         "RightFax server: faxsrv, Main office\n"
                         "\n"
                         "Retrieving user info...\n"
                         "User: ACME\\ALICE \"Alice Smith\"\n"
                         "\n"
                         "Retrieving fax list...\n"
                         "\n"
                         "1/1 APP0438B2C87FE62B9\n"
                         "  -> marked\n"
                         "\n"
                         "faxes:1 marked:1 failed:0 skipped:1 total:2\n"
                         "recv:1 sent:- viewed:0 pages:3 errs:0\n"
                         "\n" +
                         kDisconnected);
  EXPECT_EQ(fakeclient::trace(),
            "RFaxGetAPIVersion() = 1228521600\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
            "RFaxVersionCheck(1, 1312, 0) = 0\n"
            "RFaxGetServerInfo2(1) = 0\n"
            "RFaxGetServerInfo2(1) = 0\n"
            "RFaxLoadUser3(1, 1, 0, \"alice\", 0, 0, 0, 0, 11) = 0\n"
            "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
            "RFaxListGetFirstElementPtr(2) = 0\n"
            "RFaxLoadFax3(1, 31, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 31, 3) = 0\n"
            "InkStampFax(1, 31, 7) = 0\n"
            "RFaxListGetNextElementPtr(2) = 0\n"
            "RFaxListGetNextElementPtr(2) = 7\n"
            "RFaxCloseListHandle(2) = 0\n"
            "RFaxCloseServerHandle(1) = 0\n");
  EXPECT_EQ(handleLeftOpen_, 0u);
  EXPECT_EQ(fakeclient::openServerHandle(), 0u);
}

TEST_F(MarkProgramTest, SortOrderAndFolderScopeReachThePass) {
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-a", "-tr", "-mv", "*"}), 0);
  EXPECT_EQ(sortOrder, kSortByDateReversed);
  const std::string& trace = fakeclient::trace();
  EXPECT_NE(trace.find("RFaxGetFaxList(1, \"ALICE\", 1, 65533, 0) = 0\n"
                       "RFaxListSort(2) = 0\n"),
            std::string::npos)
      << trace;
  EXPECT_NE(output_.find("1/1 APP0438B2C87FE62B9\n  -> marked\n2/2 B000409E2\n"), std::string::npos)
      << output_;
}

TEST_F(MarkProgramTest, ARefusedFaxListStillEndsWithStatus0) {
  fakeclient::failFaxList(4);
  fakeclient::failMark(31, 3, 6);
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-mp", "*"}), 0);
  EXPECT_NE(output_.find("Retrieving fax list...\n"
                         "Can't retrieve fax list for user: ALICE\n"
                         "\n" +
                         std::string(kDisconnected)),
            std::string::npos)
      << output_;
}

TEST_F(MarkProgramTest, EveryFaxFailingStillEndsWithStatus0) {
  fakeclient::failLoadFax(31, 5);
  fakeclient::failLoadFax(32, 5);
  EXPECT_EQ(run({"-s", "faxsrv", "-u", "alice", "-mp", "*"}), 0);
  EXPECT_NE(output_.find("faxes:2 marked:0 failed:2 skipped:0 total:2\n"), std::string::npos);
}

TEST_F(MarkProgramTest, MarkingMessagesGoToTheOutputStream) {
  CStringVector argv = CStringVector::commandLine({"-s", "faxsrv", "-u", "alice", "-mp", "B*"});
  CaptureStdout();
  MarkProgram program;
  program.output = tmpfile();
  ASSERT_NE(program.output, nullptr);
  EXPECT_EQ(program.run(argv.count(), argv.vector()), 0);
  std::string onStdout = GetCapturedStdout();
  std::string onOutput = support::readStream(program.output);
  fclose(program.output);

  EXPECT_EQ(onOutput,
            "Retrieving user info...\n"
            "Retrieving fax list...\n"
            "\n"
            "1/1 B000409E2\n"
            "  -> marked\n"
            "\n"
            "faxes:1 marked:1 failed:0 skipped:1 total:2\n"
            "recv:0 sent:1 viewed:0 pages:2 errs:0\n");
  EXPECT_EQ(onStdout, std::string(kVersionLine) + kConnected +
                          "RightFax server: faxsrv, Main office\n"
                          "\n"
                          "User: ACME\\ALICE \"Alice Smith\"\n"
                          "\n"
                          "\n" +
                          kDisconnected);
}

// The entry point prints the banner and closes what run() left open.
TEST_F(MarkProgramTest, EntryPointDisconnectsAfterARefusedRelease) {
  fakeclient::setReleaseCheckResult(8);
  CStringVector argv = CStringVector::commandLine({"-s", "faxsrv", "-u", "alice", "-mp", "*"});
  CaptureStdout();
  int status = runProgram<MarkProgram>(kInkStampIdentity, argv.count(), argv.vector());
  EXPECT_EQ(status, 1);
  EXPECT_EQ(GetCapturedStdout(),
            outputHead() + connectedAtFirstTry("faxsrv") + refusedReleaseTail("faxsrv"));
  EXPECT_EQ(fakeclient::openServerHandle(), 0u);
}

}  // namespace
