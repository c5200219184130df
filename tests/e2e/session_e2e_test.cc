// The session's stages as a run meets them: connection tries and their
// pauses, the release check, the server information and the user lookup,
// each with the exit status that tells where a run stopped.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

class SessionTest : public WorldStoreTest {
 protected:
  // What a run prints after the version line when no try connects to `host`,
  // each try failing with `failure` ("error N: text").
  static std::string fiveFailedTries(const std::string& host, const std::string& failure) {
    return "Server: " + host + "\nConnecting to RightFax server: " + host + "\n" +
           failedTries(host, failure, 1, 5) +
           "Can't connect to RightFax server after 5 tries: " + host + "\n";
  }

  // Makes every connection try to faxsrv fail with error 42, "Line busy".
  void failConnectsAsLineBusy() {
    addFault({"connect", "42"});
    ASSERT_TRUE(store_.faxsim({"set-error-text", "42", "Line busy"}));
  }

  // The calls of `count` failed tries as above, each with its pause.
  static std::string lineBusyCalls(int count) {
    std::string calls;
    for (int i = 0; i < count; ++i) {
      calls +=
          "RFaxCreateServerHandle(\"faxsrv\", 4) = 0\n"
          "RFaxStringRFaxErr(42, 501) = 0\n"
          "Sleep(10000)\n";
    }
    return calls;
  }
};

TEST_F(SessionTest, FiveFailedTriesEndTheRunWithStatus1) {
  if (programIsWindows())
    GTEST_SKIP() << kNeedsSimulatedPause;
  failConnectsAsLineBusy();
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(result.out(), outputHead() + fiveFailedTries("faxsrv", "error 42: Line busy"));
  EXPECT_EQ(result.status(), 1);
  // Every failed try is followed by its pause, the fifth included, and no
  // server handle was issued, so none is closed.
  EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n" + lineBusyCalls(5));
}

// Each failure line is flushed before the pause that follows it, so a run
// stopped during its first pause (here a real one) has already shown it.
TEST_F(SessionTest, FailureLineIsOutBeforeThePause) {
  if (programIsWindows())
    GTEST_SKIP() << kNeedsSimulatedPause;
  failConnectsAsLineBusy();
  ProgramRun result = runAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-mp", "*"},
                                 {{"FAXSIM_SLEEP_SCALE", "1"}}, std::chrono::seconds(4));
  EXPECT_TRUE(result.process.timedOut) << result.process.describe();
  EXPECT_EQ(result.out(), outputHead() +
                              "Server: faxsrv\n"
                              "Connecting to RightFax server: faxsrv\n" +
                              failedTries("faxsrv", "error 42: Line busy", 1, 1));
  EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n" + lineBusyCalls(1));
}

// A server of release 5.10 is below the release that the program needs. The
// handle stays open after the refusal and is closed at the very end, with
// no description to show since none was read.
TEST_F(SessionTest, RefusedReleaseEndsWithStatus1AndClosesTheHandle) {
  ASSERT_TRUE(store_.faxsim({"add-server", "oldfax", "--release", "0x510"}));
  ASSERT_TRUE(store_.faxsim({"add-user", "oldfax", "DAVE"}));
  ProgramRun result = run({"-s", "oldfax", "-u", "dave", "-mp", "*"});
  EXPECT_EQ(result.out(),
            outputHead() + connectedAtFirstTry("oldfax") + refusedReleaseTail("oldfax"));
  EXPECT_EQ(result.status(), 1);
  EXPECT_EQ(result.trace,
            "RFaxGetAPIVersion() = 1228521600\n"
            "RFaxCreateServerHandle(\"oldfax\", 4) = 1\n"
            "RFaxVersionCheck(1, 1312, 0) = 8\n"
            "RFaxCloseServerHandle(1) = 0\n");
}

// Connecting reads the server information once and ignores the result; the
// run reads it again and stops with status 2 when that read fails. So a
// fault that fires once is absorbed by connecting, and one that fires twice
// stops the run, with no description held for the disconnect line.
TEST_F(SessionTest, ServerInformationFailingTwiceEndsWithStatus2) {
  addFault({"server_info", "47", "--count", "2"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(result.out(), outputHead() + connectedAtFirstTry("faxsrv") +
                              "\n"
                              "Can't retrieve server info: faxsrv\n"
                              "Disconnect from RightFax server: faxsrv, -\n"
                              "Disconnected\n");
  EXPECT_EQ(result.status(), 2);
  EXPECT_EQ(result.trace,
            "RFaxGetAPIVersion() = 1228521600\n"
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"
            "RFaxVersionCheck(1, 1312, 0) = 0\n"
            "RFaxGetServerInfo2(1) = 47\n"
            "RFaxGetServerInfo2(1) = 47\n"
            "RFaxCloseServerHandle(1) = 0\n");
}

// A user the server doesn't know, and a lookup that fails, both end the run
// with status 3 before any fax list is asked for.
TEST_F(SessionTest, UserNotFoundEndsWithStatus3) {
  struct Case {
    const char* user;
    std::vector<std::string> fault;
    const char* code;
  };
  for (const Case& c :
       {Case{"nobody", {}, "4"}, Case{"alice", {"add-fault", "faxsrv", "load_user", "48"}, "48"}}) {
    SCOPED_TRACE(c.user);
    if (!c.fault.empty()) {
      ASSERT_TRUE(store_.faxsim(c.fault));
    }
    ProgramRun result = run({"-s", "faxsrv", "-u", c.user, "-mp", "*"});
    EXPECT_EQ(result.out(), outputHead() + connectedAtFirstTry("faxsrv") +
                                "\n"
                                "RightFax server: faxsrv, Main office\n"
                                "\n"
                                "Retrieving user info...\n"
                                "Invalid user: \"" +
                                c.user +
                                "\"\n"
                                "Disconnect from RightFax server: faxsrv, Main office\n"
                                "Disconnected\n");
    EXPECT_EQ(result.status(), 3);
    std::string trace = result.trace;
    EXPECT_EQ(trace.substr(trace.find("RFaxLoadUser3")), "RFaxLoadUser3(1, 1, 0, \"" +
                                                             std::string(c.user) +
                                                             "\", 0, 0, 0, 0, 11) = " + c.code +
                                                             "\n"
                                                             "RFaxCloseServerHandle(1) = 0\n");
  }
}

}  // namespace
}  // namespace e2e
