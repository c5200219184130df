// The demo store holds what the demo and the program's tests rely on.
#include "faxsimtool/demo_seed.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/faxsim_command_test.h"

namespace faxsimtool {
namespace {

using support::FaxsimTest;
using support::RunResult;

class DemoTest : public FaxsimTest {
 protected:
  void SetUp() override {
    FaxsimTest::SetUp();
    RunResult result = run({"demo"});
    ASSERT_EQ(result.status, 0) << result.err;
    DemoCounts counts = demoCounts();
    ASSERT_EQ(result.out, "Created demo store " + store() + ": " + std::to_string(counts.servers) +
                              " servers, " + std::to_string(counts.users) + " users, " +
                              std::to_string(counts.faxes) + " faxes\n");
  }
  int64_t faxes(const std::string& where) {
    return queryInt("SELECT count(*) FROM faxes WHERE " + where);
  }
};

TEST_F(DemoTest, ServersShowBothSidesOfTheReleaseCheck) {
  EXPECT_EQ(queryInt("SELECT release >= 0x520 AND tz_state = 2 AND bias <> 0 FROM servers "
                     "WHERE host = 'faxsrv'"),
            1);
  EXPECT_EQ(queryText("SELECT description FROM servers WHERE host = 'faxsrv'"),
            "RightFax 9.4 demo server");
  EXPECT_EQ(queryInt("SELECT release FROM servers WHERE host = 'oldfax'"), 0x510);
  EXPECT_EQ(queryText("SELECT qualifier || '\\' || user_id || ' ' || name FROM users "
                      "WHERE user_id = 'ALICE'"),
            "ACCOUNTS\\ALICE Alice Archer");
  EXPECT_EQ(queryInt("SELECT count(*) FROM users WHERE host = 'faxsrv'"), 3);
}

TEST_F(DemoTest, FaxesVaryInEverythingTheProgramSelectsOrShows) {
  const std::string alice = "owner = 'ALICE' AND ";
  EXPECT_GE(faxes(alice + "1"), 12);
  EXPECT_GE(faxes("host = 'faxsrv'"), 20);
  EXPECT_GE(faxes(alice + "received = 0"), 3);
  EXPECT_GE(faxes(alice + "received = 1"), 3);
  EXPECT_GE(faxes(alice + "folder = 'main'"), 5);
  EXPECT_GE(queryInt("SELECT count(DISTINCT folder) FROM faxes WHERE owner = 'ALICE'"), 3);
  EXPECT_GE(faxes(alice + "viewed = 1"), 2);
  EXPECT_GE(faxes(alice + "viewed = 0"), 2);
  EXPECT_GE(faxes(alice + "error_code <> 0"), 2);
  EXPECT_GE(queryInt("SELECT count(DISTINCT pages) FROM faxes WHERE owner = 'ALICE'"), 6);
  EXPECT_GE(queryInt("SELECT max(date) - min(date) FROM faxes WHERE owner = 'ALICE'"),
            3 * 7 * 86400);
  // Two faxes on the same date show that a sort by date keeps their order.
  EXPECT_GE(queryInt("SELECT count(*) FROM (SELECT date FROM faxes WHERE owner = 'ALICE' "
                     "GROUP BY date HAVING count(*) > 1)"),
            1);
  for (const char* mark : {"printed", "body_printed", "approved", "held", "user1", "user2"})
    EXPECT_GE(faxes(std::string(mark) + " = 1"), 1) << mark;
}

TEST_F(DemoTest, IdsComeInBothFormsSoThatAPatternSelectsSome) {
  // Unique IDs: APP and 15 hex digits; file-name IDs: B and 8 hex digits.
  const char* kUnique =
      "fax_id GLOB 'APP[0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F]"
      "[0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F]'";
  const char* kFileName =
      "fax_id GLOB 'B[0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F]"
      "[0-9A-F][0-9A-F]'";
  EXPECT_GE(faxes(std::string("owner = 'ALICE' AND ") + kUnique), 4);
  EXPECT_GE(faxes(std::string("owner = 'ALICE' AND ") + kFileName), 4);
  EXPECT_EQ(faxes("fax_id = 'APP0438B2C87FE62B9'"), 1);
  EXPECT_EQ(faxes("fax_id = 'B000409E2'"), 1);
  // For each user with faxes, APP* picks some of them and leaves others.
  EXPECT_EQ(queryInt("SELECT count(*) FROM (SELECT owner FROM faxes GROUP BY host, owner "
                     "HAVING sum(fax_id LIKE 'APP%') BETWEEN 1 AND count(*) - 1)"),
            3);
  EXPECT_EQ(faxes("handle > 2147483647"), 1);
}

// A listing of the demo's faxes stays inside a 100-column console.
TEST_F(DemoTest, FaxListingsFitInAHundredColumns) {
  for (const char* user : {"ALICE", "BOB", "CAROL"}) {
    std::istringstream lines(ok({"list-faxes", "faxsrv", user}));
    for (std::string line; std::getline(lines, line);)
      EXPECT_LE(line.size(), 100u) << line;
  }
}

TEST_F(DemoTest, ForceReplacesAChangedStoreWithTheDemo) {
  ok({"add-server", "extra"});
  ok({"add-fault", "faxsrv", "mark", "5"});
  ok({"demo", "--force"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM servers"), 2);
  EXPECT_EQ(queryInt("SELECT count(*) FROM faults"), 0);
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes"), static_cast<int64_t>(demoCounts().faxes));
}

}  // namespace
}  // namespace faxsimtool
