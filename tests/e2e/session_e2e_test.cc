// The session's stages as a run meets them: connection tries and their
// pauses, the release check, the server information and the user lookup,
// each with the exit status that tells where a run stopped.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
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

  // Makes the first `count` connection tries to faxsrv fail with error 42,
  // "Line busy"; every try when `count` is 0.
  void failConnectsAsLineBusy(int count) {
    addFault(count > 0 ? std::vector<std::string>{"connect", "42", "--count", std::to_string(count)}
                       : std::vector<std::string>{"connect", "42"});
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
  failConnectsAsLineBusy(0);
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(result.out(), outputHead() + fiveFailedTries("faxsrv", "error 42: Line busy"));
  EXPECT_EQ(result.status(), 1);
  // Every failed try is followed by its pause, the fifth included, and no
  // server handle was issued, so none is closed.
  EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n" + lineBusyCalls(5));
}

// The failure line shows the library's code in signed decimal and its text,
// cut to 500 characters.
TEST_F(SessionTest, FailedTriesShowTheLibraryCodeAndText) {
  if (programIsWindows())
    GTEST_SKIP() << kNeedsSimulatedPause;
  struct Case {
    const char* name;
    std::vector<std::vector<std::string>> setup;
    std::string host;
    std::string failure;
  };
  const std::string longText(600, 'x');
  const Case cases[] = {
      {"unknown host", {}, "nohost", "error 2: Server not found"},
      // An empty host is a host given, not a host missing.
      {"empty host", {}, "", "error 2: Server not found"},
      {"negative code without text",
       {{"add-fault", "faxsrv", "connect", "--", "-7"}},
       "faxsrv",
       "error -7: Unknown error -7"},
      {"long text",
       {{"add-fault", "faxsrv", "connect", "43"}, {"set-error-text", "43", longText}},
       "faxsrv",
       "error 43: " + longText.substr(0, 500)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(store_.faxsim({"clear-faults"}));
    for (const std::vector<std::string>& command : c.setup) {
      ASSERT_TRUE(store_.faxsim(command)) << store_.lastFaxsim().describe();
    }
    ProgramRun result = run({"-s", c.host, "-u", "alice", "-mp", "*"});
    EXPECT_EQ(result.out(), outputHead() + fiveFailedTries(c.host, c.failure));
    EXPECT_EQ(result.status(), 1);
  }
}

// A store that isn't there is the library's failure to connect; it never
// makes one. Its version then is the library's own, which the test doesn't
// know, so only the line's form is checked.
TEST_F(SessionTest, MissingStoreFailsEveryTry) {
  if (programIsWindows())
    GTEST_SKIP() << kNeedsSimulatedPause;
  std::string missing = store_.dir() + "/missing.db";
  ProgramRun result =
      runAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-mp", "*"}, {{"FAXSIM_STORE", missing}});
  const std::string& out = result.out();
  ASSERT_TRUE(out.starts_with(banner())) << out;
  std::string rest = out.substr(banner().size());
  const std::string versionLead = "RightFax API version: ";
  ASSERT_TRUE(rest.starts_with(versionLead)) << out;
  // MM/DD/YYYY HH:MM:SSZ
  size_t lineEnd = rest.find('\n');
  EXPECT_EQ(lineEnd, versionLead.size() + 20) << out;
  EXPECT_EQ(rest.substr(lineEnd + 1), fiveFailedTries("faxsrv", "error 3: Fax store unavailable"));
  EXPECT_EQ(result.status(), 1);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

// Each failure line is flushed before the pause that follows it, so a run
// stopped during its first pause (here a real one) has already shown it.
TEST_F(SessionTest, FailureLineIsOutBeforeThePause) {
  if (programIsWindows())
    GTEST_SKIP() << kNeedsSimulatedPause;
  failConnectsAsLineBusy(0);
  ProgramRun result = runAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-mp", "*"},
                                 {{"FAXSIM_SLEEP_SCALE", "1"}}, std::chrono::seconds(4));
  EXPECT_TRUE(result.process.timedOut) << result.process.describe();
  EXPECT_EQ(result.out(), outputHead() +
                              "Server: faxsrv\n"
                              "Connecting to RightFax server: faxsrv\n" +
                              failedTries("faxsrv", "error 42: Line busy", 1, 1));
  EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n" + lineBusyCalls(1));
}

TEST_F(SessionTest, ThirdTryConnectsAndTheRunGoesOn) {
  failConnectsAsLineBusy(2);
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "B0000102"});
  EXPECT_EQ(result.out(), outputHead() +
                              "Server: faxsrv\n"
                              "Connecting to RightFax server: faxsrv\n" +
                              failedTries("faxsrv", "error 42: Line busy", 1, 2) +
                              "Connect(3) to RightFax server: faxsrv\n"
                              "Connected to RightFax server:  faxsrv\n"
                              "\n"
                              "RightFax server: faxsrv, Main office\n"
                              "\n"
                              "Retrieving user info...\n"
                              "User: ACME\\ALICE \"Alice Smith\"\n"
                              "\n" +
                              worldB0000102Pass() + worldSessionTail());
  EXPECT_EQ(result.status(), 0);
  std::string trace = result.trace;
  EXPECT_EQ(trace.substr(0, trace.find("RFaxVersionCheck")),
            expectedTrace("RFaxGetAPIVersion() = 1228521600\n" + lineBusyCalls(2) +
                          "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n"));
  EXPECT_EQ(store_.marks("B0000102"), "printed");
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

// Release 5.20 itself is recent enough; one below it is not. (This server's
// user has neither qualifier nor name, and no faxes.)
TEST_F(SessionTest, ReleaseCheckAsksForRelease520) {
  ASSERT_TRUE(
      store_.faxsim({"add-server", "r520", "--description", "Release 5.20", "--release", "0x520"}));
  ASSERT_TRUE(store_.faxsim({"add-user", "r520", "ALICE"}));
  ASSERT_TRUE(store_.faxsim({"add-server", "r51f", "--release", "0x51f"}));
  ProgramRun accepted = run({"-s", "r520", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(accepted.out(), outputHead() + sessionHead("r520", "Release 5.20", "\\ALICE \"\"") +
                                markingPass("",
                                            "faxes:0 marked:0 failed:0 skipped:0 total:0\n"
                                            "recv:0 sent:0 viewed:0 pages:0 errs:0\n") +
                                sessionTail("r520", "Release 5.20"));
  EXPECT_EQ(accepted.status(), 0);
  ProgramRun refused = run({"-s", "r51f", "-u", "alice", "-mp", "*"});
  EXPECT_EQ(refused.out(), outputHead() + connectedAtFirstTry("r51f") + refusedReleaseTail("r51f"));
  EXPECT_EQ(refused.status(), 1);
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

TEST_F(SessionTest, ServerInformationFailingOnceIsAbsorbedByConnecting) {
  addFault({"server_info", "47", "--count", "1"});
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "B0000102"});
  EXPECT_EQ(result.out(), worldRun(worldB0000102Pass()));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxGetServerInfo2"),
            "RFaxGetServerInfo2(1) = 47\n"
            "RFaxGetServerInfo2(1) = 0\n");
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
