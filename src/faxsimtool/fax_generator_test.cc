// Bulk generation: the count, a spread like the one documented, and the same
// rows for the same seed.
#include "faxsimtool/fax_generator.h"

#include <gtest/gtest.h>

#include "support/faxsim_command_test.h"

namespace faxsimtool {
namespace {

using support::FaxsimTest;

class GeneratorTest : public FaxsimTest {
 protected:
  void SetUp() override {
    FaxsimTest::SetUp();
    ok({"create"});
    ok({"add-server", "faxsrv"});
    ok({"add-user", "faxsrv", "ALICE"});
  }
  double share(const std::string& where) {
    return static_cast<double>(queryInt("SELECT count(*) FROM faxes WHERE " + where)) /
           static_cast<double>(queryInt("SELECT count(*) FROM faxes"));
  }
};

TEST_F(GeneratorTest, SpreadsFaxesOverIdsDirectionsFoldersAndMarks) {
  ok({"generate", "faxsrv", "ALICE", "20000", "--start", "2008-01-01", "--days", "30"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes"), 20000);
  EXPECT_EQ(queryInt("SELECT min(handle) = 1 AND max(handle) = 20000 FROM faxes"), 1);
  EXPECT_NEAR(share("fax_id LIKE 'APP%' AND length(fax_id) = 18"), 0.45, 0.02);
  EXPECT_NEAR(share("fax_id LIKE 'B%' AND length(fax_id) = 16"), 0.10, 0.02);
  EXPECT_NEAR(share("fax_id = printf('B%08X', handle)"), 0.45, 0.02);
  EXPECT_EQ(queryInt("SELECT count(DISTINCT fax_id) FROM faxes"), 20000);
  EXPECT_NEAR(share("received = 1"), 0.70, 0.02);
  EXPECT_NEAR(share("folder = 'main'"), 0.70, 0.02);
  EXPECT_EQ(queryInt("SELECT count(DISTINCT folder) FROM faxes"),
            static_cast<int64_t>(kGeneratedFolderCount));
  EXPECT_NEAR(share("error_code <> 0"), 0.05, 0.01);
  EXPECT_NEAR(share("viewed = 1"), 0.50, 0.02);
  EXPECT_NEAR(share("printed = 1"), 0.35, 0.02);
  EXPECT_EQ(share("body_printed = 1 AND printed = 0"), 0.0);
  EXPECT_NEAR(share("held = 1"), 0.10, 0.02);
  EXPECT_EQ(queryInt("SELECT min(pages) >= 1 AND max(pages) <= 120 FROM faxes"), 1);
  EXPECT_EQ(queryInt("SELECT min(date) >= 1199145600 AND max(date) < 1199145600 + 30 * 86400 "
                     "FROM faxes"),
            1);
  // Dates are spread, not bunched: every day of the span has faxes.
  EXPECT_EQ(queryInt("SELECT count(DISTINCT (date - 1199145600) / 86400) FROM faxes"), 30);
}

TEST_F(GeneratorTest, TheSameSeedGivesTheSameFaxes) {
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "42"});
  std::string first = dump();
  ok({"create", "--force"});
  ok({"add-server", "faxsrv"});
  ok({"add-user", "faxsrv", "ALICE"});
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "42"});
  EXPECT_EQ(dump(), first);
  ok({"create", "--force"});
  ok({"add-server", "faxsrv"});
  ok({"add-user", "faxsrv", "ALICE"});
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "43"});
  EXPECT_NE(dump(), first);
}

}  // namespace
}  // namespace faxsimtool
