#include "rfaxprogram/fax_program.h"

#include <string.h>
#include <time.h>

#include <string>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "support/fake_server_test.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// Standard output is captured for the whole of each test, sessions'
// destructors included.
class FaxProgramTest : public support::FakeServerTest {
 protected:
  void SetUp() override {
    FakeServerTest::SetUp();
    CaptureStdout();
  }
  void TearDown() override { GetCapturedStdout(); }

  // What was printed since the last call.
  std::string takeOutput() {
    std::string output = GetCapturedStdout();
    CaptureStdout();
    return output;
  }

  // Connects `session` to "faxsrv" and drops the messages and calls so far.
  void connectQuietly(FaxProgram* session) {
    ASSERT_TRUE(session->connect("faxsrv"));
    takeOutput();
    fakeclient::clearTrace();
  }

  std::string versionLineFor(int32_t version) {
    fakeclient::setApiVersion(version);
    takeOutput();
    FaxProgram session;
    return takeOutput();
  }
};

TEST_F(FaxProgramTest, ConstructionPrintsTheApiVersionAndStartsEmpty) {
  FaxProgram session;
  EXPECT_EQ(takeOutput(), "RightFax API version: 12/06/2008 00:00:00Z\n");
  EXPECT_EQ(fakeclient::trace(), "RFaxGetAPIVersion() = 1228521600\n");

  EXPECT_EQ(session.tag, FaxProgram::kAliveTag);
  EXPECT_EQ(session.apiVersion, 1228521600);
  EXPECT_EQ(session.serverHandle, 0u);
  EXPECT_EQ(session.serverDescription, nullptr);
  EXPECT_EQ(session.serverName, nullptr);
  EXPECT_EQ(session.userId, nullptr);
  EXPECT_EQ(session.userName, nullptr);
  EXPECT_EQ(session.userQualifier, nullptr);
  EXPECT_EQ(session.lastError, 0);
  EXPECT_EQ(session.lastCallTime, 0);
  EXPECT_EQ(session.serverUtcOffset, 0);
  EXPECT_STREQ(session.errorBuffer, "");
  ASSERT_NE(session.serverInfo, nullptr);
  static const ServerInfo kZeroes = {};
  EXPECT_EQ(memcmp(session.serverInfo, &kZeroes, sizeof kZeroes), 0);
}

TEST_F(FaxProgramTest, VersionLineForEdgeTimes) {
  EXPECT_EQ(versionLineFor(0), "RightFax API version: 01/01/1970 00:00:00Z\n");
  EXPECT_EQ(versionLineFor(INT32_MAX), "RightFax API version: 01/19/2038 03:14:07Z\n");
  // Before 1970 there is no UTC calendar time on every platform: the
  // number itself is shown.
  EXPECT_EQ(versionLineFor(-1), "RightFax API version: -1\n");
  EXPECT_EQ(versionLineFor(INT32_MIN), "RightFax API version: -2147483648\n");
}

TEST_F(FaxProgramTest, ConnectGivesUpAfterFiveTriesWithAPauseAfterEach) {
  fakeclient::failConnects(5, 2);
  FaxProgram session;
  fakeclient::clearTrace();
  time_t before = time(nullptr);
  EXPECT_FALSE(session.connect("faxsrv"));
  std::string tries;
  std::string calls;
  for (int i = 1; i <= 5; ++i) {
    tries += "Connect(" + std::to_string(i) +
             ") to RightFax server: faxsrv\n"
             "Connect failed to RightFax server: faxsrv, error 2: Server not found\n";
    calls +=
        "RFaxCreateServerHandle(\"faxsrv\", 4) = 0\n"
        "RFaxStringRFaxErr(2, 501) = 0\n"
        "Sleep(10000)\n";
  }
  EXPECT_EQ(takeOutput(),
            "RightFax API version: 12/06/2008 00:00:00Z\n"
            "Connecting to RightFax server: faxsrv\n" +
                tries + "Can't connect to RightFax server after 5 tries: faxsrv\n");
  EXPECT_EQ(fakeclient::trace(), calls);
  EXPECT_EQ(session.serverHandle, 0u);
  EXPECT_EQ(session.serverName, nullptr);
  EXPECT_EQ(session.lastError, 2);
  EXPECT_GE(session.lastCallTime, static_cast<int32_t>(before));
}

TEST_F(FaxProgramTest, ConnectOnTheThirdTryLoadsTheServerInfo) {
  fakeclient::failConnects(2, 3);
  fakeclient::setErrorText(3, "Store \"busy\"");
  FaxProgram session;
  fakeclient::clearTrace();
  EXPECT_TRUE(session.connect("faxsrv"));
  EXPECT_EQ(takeOutput(),
            "RightFax API version: 12/06/2008 00:00:00Z\n"
            "Connecting to RightFax server: faxsrv\n"
            "Connect(1) to RightFax server: faxsrv\n"
            "Connect failed to RightFax server: faxsrv, error 3: Store \"busy\"\n"
            "Connect(2) to RightFax server: faxsrv\n"
            "Connect failed to RightFax server: faxsrv, error 3: Store \"busy\"\n"
            "Connect(3) to RightFax server: faxsrv\n"
            "Connected to RightFax server:  faxsrv\n");
  EXPECT_EQ(fakeclient::trace(),
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 0\n"
            "RFaxStringRFaxErr(3, 501) = 0\n"
            "Sleep(10000)\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 0\n"
            "RFaxStringRFaxErr(3, 501) = 0\n"
            "Sleep(10000)\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
            "RFaxVersionCheck(1, 1312, 0) = 0\n"
            "RFaxGetServerInfo2(1) = 0\n");
  EXPECT_EQ(session.serverHandle, 1u);
  EXPECT_STREQ(session.serverName, "faxsrv");
  EXPECT_STREQ(session.serverDescription, "Main office");
  EXPECT_EQ(session.lastError, 0);
  EXPECT_NE(session.lastCallTime, 0);
}

TEST_F(FaxProgramTest, RefusedReleaseKeepsTheHandleForDisconnect) {
  fakeclient::setReleaseCheckResult(8);
  FaxProgram session;
  EXPECT_FALSE(session.connect("faxsrv"));
  EXPECT_EQ(session.serverHandle, 1u);
  EXPECT_EQ(session.serverDescription, nullptr);
  EXPECT_EQ(session.lastError, 0);
  session.disconnect();
  EXPECT_EQ(takeOutput(),
            "RightFax API version: 12/06/2008 00:00:00Z\n"
            "Connecting to RightFax server: faxsrv\n"
            "Connect(1) to RightFax server: faxsrv\n"
            "Connected to RightFax server:  faxsrv\n"
            "Incompatible RightFax server release, need 5.20\n"
            "Disconnect from RightFax server: faxsrv, -\n"
            "Disconnected\n");
  EXPECT_EQ(fakeclient::trace(),
            "RFaxGetAPIVersion() = 1228521600\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
            "RFaxVersionCheck(1, 1312, 0) = 8\n"
            "RFaxCloseServerHandle(1) = 0\n");
  EXPECT_EQ(session.serverHandle, 0u);
  EXPECT_EQ(fakeclient::openServerHandle(), 0u);
}

TEST_F(FaxProgramTest, DisconnectShowsTheDescriptionOnceAndThenIsSilent) {
  FaxProgram session;
  connectQuietly(&session);
  session.disconnect();
  session.disconnect();
  EXPECT_EQ(takeOutput(),
            "Disconnect from RightFax server: faxsrv, Main office\n"
            "Disconnected\n");
  EXPECT_EQ(fakeclient::trace(), "RFaxCloseServerHandle(1) = 0\n");
  EXPECT_EQ(session.serverHandle, 0u);
  // What was loaded stays.
  EXPECT_STREQ(session.serverName, "faxsrv");
  EXPECT_STREQ(session.serverDescription, "Main office");
}

TEST_F(FaxProgramTest, DestructorDisconnects) {
  {
    FaxProgram session;
    ASSERT_TRUE(session.connect("faxsrv"));
  }
  std::string output = takeOutput();
  EXPECT_NE(output.find("Disconnect from RightFax server: faxsrv, Main office\nDisconnected\n"),
            std::string::npos);
  EXPECT_EQ(fakeclient::openServerHandle(), 0u);
}

TEST_F(FaxProgramTest, UtcOffsetFollowsTheTimeZoneState) {
  struct Case {
    int16_t state;
    int32_t bias, standardBias, daylightBias;
    int32_t expected;
  } cases[] = {
      {2, 300, 0, -60, 18000},
      {3, 300, 0, -60, 14400},
      {0, 300, 0, -60, 0},
      {1, 300, 0, -60, 0},
      {4, 300, 0, -60, 0},
      {-1, 300, 0, -60, 0},
      {2, -60, 0, -60, -3600},
      // Hostile biases wrap as 32-bit arithmetic does, without undefined
      // behaviour.
      {2, INT32_MAX, 0, 0, -60},
      {3, INT32_MIN, 0, -1, -60},
  };
  FaxProgram session;
  connectQuietly(&session);
  for (const Case& c : cases) {
    fakeclient::setServerInfo(
        fakeclient::makeServerInfo("zone", c.state, c.bias, c.standardBias, c.daylightBias));
    ASSERT_TRUE(session.loadServerInfo());
    EXPECT_EQ(session.serverUtcOffset, c.expected) << "state " << c.state << " bias " << c.bias;
  }
}

TEST_F(FaxProgramTest, FailedServerInfoKeepsTheEarlierDescription) {
  FaxProgram session;
  connectQuietly(&session);
  fakeclient::failServerInfo(3);
  EXPECT_FALSE(session.loadServerInfo());
  EXPECT_EQ(takeOutput(), "");
  EXPECT_EQ(session.lastError, 3);
  EXPECT_STREQ(session.serverDescription, "Main office");
  EXPECT_EQ(session.serverUtcOffset, 18000);
  EXPECT_EQ(fakeclient::trace(), "RFaxGetServerInfo2(1) = 3\n");
}

TEST_F(FaxProgramTest, UnterminatedRecordTextsAreCutAtTheirFields) {
  ServerInfo info = fakeclient::makeServerInfo("", 2, 0, 0, 0);
  memset(info.description, 'D', sizeof info.description);
  fakeclient::setServerInfo(info);
  UserRecord record;
  memset(&record, 0, sizeof record);
  memset(record.qualifier, 'Q', sizeof record.qualifier);
  memset(record.userId, 'U', sizeof record.userId);
  memset(record.name, 'N', sizeof record.name);
  fakeclient::setUserRecord(record);

  FaxProgram session;
  connectQuietly(&session);
  ASSERT_TRUE(session.loadUser("alice"));
  EXPECT_EQ(std::string(session.serverDescription), std::string(384, 'D'));
  EXPECT_EQ(std::string(session.userQualifier), std::string(26, 'Q'));
  EXPECT_EQ(std::string(session.userId), std::string(22, 'U'));
  EXPECT_EQ(std::string(session.userName), std::string(1848, 'N'));
}

TEST_F(FaxProgramTest, LoadUserCopiesTheThreeTexts) {
  FaxProgram session;
  connectQuietly(&session);
  ASSERT_TRUE(session.loadUser("alice"));
  EXPECT_EQ(takeOutput(), "");
  EXPECT_EQ(fakeclient::trace(), "RFaxLoadUser3(1, 1, 0, \"alice\", 0, 0, 0, 0, 11) = 0\n");
  EXPECT_STREQ(session.userQualifier, "ACME");
  EXPECT_STREQ(session.userId, "ALICE");
  EXPECT_STREQ(session.userName, "Alice Smith");
  EXPECT_EQ(session.lastError, 0);

  // A later failure leaves the texts alone.
  fakeclient::failLoadUser(4);
  EXPECT_FALSE(session.loadUser("bob"));
  EXPECT_STREQ(session.userId, "ALICE");
  EXPECT_EQ(session.lastError, 4);
}

TEST_F(FaxProgramTest, FailedFirstLoadUserLeavesTheUserFieldsNone) {
  fakeclient::failLoadUser(4);
  FaxProgram session;
  connectQuietly(&session);
  EXPECT_FALSE(session.loadUser("nobody"));
  EXPECT_EQ(takeOutput(), "");
  EXPECT_EQ(session.userId, nullptr);
  EXPECT_EQ(session.userName, nullptr);
  EXPECT_EQ(session.userQualifier, nullptr);
  EXPECT_EQ(session.lastError, 4);
  EXPECT_NE(session.lastCallTime, 0);
}

TEST_F(FaxProgramTest, ErrorTextIsCutAt500Characters) {
  FaxProgram session;
  session.lastError = 77;
  fakeclient::setErrorText(77, std::string(600, 'e').c_str());
  EXPECT_EQ(std::string(session.errorText()), std::string(500, 'e'));
  // A library that fills the whole buffer without a terminator.
  fakeclient::setErrorTextsUnterminated(true);
  EXPECT_EQ(std::string(session.errorText()), std::string(500, 'e'));
  EXPECT_EQ(session.errorText(), session.errorBuffer);
  fakeclient::setErrorTextsUnterminated(false);
  session.lastError = 123;
  EXPECT_STREQ(session.errorText(), "Unknown error 123");
  EXPECT_EQ(session.lastError, 123);
}

TEST(StatusNameTest, NamesTheTableAndNumbersTheRest) {
  EXPECT_STREQ(FaxProgram::statusName(0), "Unborn");
  EXPECT_STREQ(FaxProgram::statusName(6), "Okay");
  EXPECT_STREQ(FaxProgram::statusName(13), "Needs attachment");
  EXPECT_STREQ(FaxProgram::statusName(20), "In approval");
  EXPECT_STREQ(FaxProgram::statusName(21), "21");
  EXPECT_STREQ(FaxProgram::statusName(-1), "-1");
  EXPECT_STREQ(FaxProgram::statusName(INT32_MIN), "-2147483648");
}

}  // namespace
