// Preparing a scenario on faxes already in a store: duplicates refused unless
// allowed, removing faxes, setting and clearing marks by pattern; and the
// messages that say which store a command used.
#include <gtest/gtest.h>

#include "faxsimtool/faxsim_command_test.h"

namespace faxsimtool {
namespace {

using support::RunResult;

class FaxEditTest : public support::FaxsimTest {
 protected:
  void SetUp() override {
    FaxsimTest::SetUp();
    createWithAlice();
    ok({"add-user", "faxsrv", "BOB"});
    ok({"add-fax", "faxsrv", "ALICE", "APP1", "--printed", "--body-printed"});  // handle 1
    ok({"add-fax", "faxsrv", "ALICE", "APP2", "--folder", "Archive", "--viewed"});
    ok({"add-fax", "faxsrv", "ALICE", "B000409E2", "--sent"});
    ok({"add-fax", "faxsrv", "BOB", "APP9"});  // handle 4
  }
  // The marks of every fax, "viewed printed body approved held user1 user2"
  // as digits, one fax after another.
  std::string marks() {
    return queryText(
        "SELECT group_concat(fax_id || ':' || viewed || printed || body_printed || approved ||"
        " held || user1 || user2, ' ') FROM (SELECT * FROM faxes ORDER BY handle)");
  }
};

TEST_F(FaxEditTest, ADuplicateFaxIdNeedsAllowDuplicate) {
  expectRejected(
      {"add-fax", "faxsrv", "alice", "b000409e2"}, 1,
      "faxsim: ALICE already has fax 'B000409E2' (handle 00000003) on server faxsrv in store " +
          store() + "; --allow-duplicate adds another");
  ok({"add-fax", "faxsrv", "BOB", "B000409E2"});  // another user's fax is no duplicate
  EXPECT_EQ(ok({"add-fax", "faxsrv", "ALICE", "B000409E2", "--allow-duplicate"}),
            "Added fax 00000006 for ALICE on server faxsrv\n");
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes WHERE fax_id = 'B000409E2'"), 3);
  // And the store is named where it already holds what is added.
  expectRejected({"add-server", "FAXSRV"}, 1, "already exists (as faxsrv) in store " + store());
  expectRejected({"add-user", "faxsrv", "alice"}, 1, "(as ALICE) in store " + store());
}

TEST_F(FaxEditTest, RemoveFaxRemovesExactlyTheNamedFax) {
  EXPECT_EQ(ok({"remove-fax", "FAXSRV", "alice", "APP2"}),
            "Removed fax 00000002 (APP2) of ALICE on server faxsrv\n");
  EXPECT_EQ(queryText("SELECT group_concat(handle) FROM faxes"), "1,3,4");

  expectRejected({"remove-fax", "faxsrv", "ALICE", "app1"}, 1,
                 "ALICE has no fax 'app1' on server faxsrv in store " + store());
  expectRejected({"remove-fax", "faxsrv", "ALICE", "APP9"}, 1, "ALICE has no fax 'APP9'");
  expectRejected({"remove-fax", "faxsrv", "CAROL", "APP1"}, 1, "unknown user 'CAROL'");
  expectRejected({"remove-fax", "faxsrv", "ALICE"}, 2, "remove-fax needs HOST USER-ID FAX-ID");

  ok({"add-fax", "faxsrv", "ALICE", "APP1", "--allow-duplicate", "--handle", "0x1A"});
  expectRejected(
      {"remove-fax", "faxsrv", "ALICE", "APP1"}, 1,
      "ALICE has 2 faxes 'APP1' on server faxsrv (handles 00000001, 0000001A); --all removes every "
      "one");
  EXPECT_EQ(ok({"remove-fax", "faxsrv", "ALICE", "APP1", "--all"}),
            "Removed fax 00000001 (APP1) of ALICE on server faxsrv\n"
            "Removed fax 0000001A (APP1) of ALICE on server faxsrv\n");
  EXPECT_EQ(queryText("SELECT group_concat(handle) FROM faxes"), "3,4");
}

TEST_F(FaxEditTest, SetMarksChangesOnlyTheNamedMarksOfTheMatchingFaxes) {
  // Every folder and direction; letters in any case; BOB's APP9 untouched.
  EXPECT_EQ(ok({"set-marks", "faxsrv", "alice", "app*", "--no-printed", "--held", "--user2"}),
            "Set the marks of 2 faxes of ALICE on server faxsrv\n");
  EXPECT_EQ(marks(), "APP1:0010101 APP2:1000101 B000409E2:0000000 APP9:0000000");
  EXPECT_EQ(ok({"set-marks", "faxsrv", "ALICE", "B000409E?", "--viewed", "--approved",
                "--body-printed", "--printed", "--user1"}),
            "Set the marks of 1 fax of ALICE on server faxsrv\n");
  ok({"set-marks", "faxsrv", "ALICE", "*", "--no-held", "--no-user2", "--no-viewed",
      "--no-approved", "--no-body-printed", "--no-user1"});
  EXPECT_EQ(marks(), "APP1:0000000 APP2:0000000 B000409E2:0100000 APP9:0000000");

  expectRejected({"set-marks", "faxsrv", "ALICE", "APP9", "--viewed"}, 1,
                 "no fax of ALICE on server faxsrv matches 'APP9' in store " + store());
  expectRejected({"set-marks", "faxsrv", "ALICE", "*"}, 2,
                 "set-marks needs at least one of --viewed, --no-viewed, --printed,");
  expectRejected({"set-marks", "faxsrv", "ALICE", "*", "--held", "--no-held"}, 2,
                 "--held and --no-held exclude each other");
  expectRejected({"set-marks", "nosuch", "ALICE", "*", "--held"}, 1, "unknown server 'nosuch'");
}

TEST_F(FaxEditTest, VersionAndInfoSayWhatTheyAre) {
  RunResult version = runPlain({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "faxsim (InkStamp) " INKSTAMP_VERSION "\n");
  EXPECT_NE(runPlain({"--help"}).out.find("faxsim --version"), std::string::npos);
  EXPECT_TRUE(ok({"info"}).starts_with("Store: " + store() + " (from --store)\nServers: 1\n"));
}

}  // namespace
}  // namespace faxsimtool
