// Which mark codes a run sends for each marking option, in which order, and
// what they leave in the store.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

struct MarkCase {
  const char* name;
  // faxsim add-fax options that set the fax's marks before the run.
  std::vector<std::string> before;
  std::vector<std::string> options;
  // The mark codes sent, in order.
  std::vector<int> codes;
  // The fax's marks after the run.
  const char* after;
};

// Names the case in test listings, in place of its bytes.
void PrintTo(const MarkCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<MarkCase> markCases() {
  return {
      {"EveryOnMark",
       {"--held"},
       {"-mp", "-mb", "-mv", "-ma", "-mr", "-m1", "-m2"},
       {3, 0, 8, 7, 5, 10, 12},
       "viewed printed body_printed approved user1 user2"},
      {"EveryOffMark",
       {"--viewed", "--printed", "--body-printed", "--approved", "--user1", "--user2"},
       {"-np", "-nv", "-na", "-nr", "-n1", "-n2"},
       {4, 1, 9, 6, 11, 13},
       "held"},
      {"NotPrintedClearsBodyPrinted",
       {"--viewed", "--printed", "--body-printed"},
       {"-np"},
       {4},
       "viewed"},
  };
}

class MarkCodeTest : public WorldStoreTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkCodeTest, SendsCodesInOrderAndTheStoreKeepsThem) {
  const MarkCase& c = GetParam();
  ASSERT_TRUE(
      store_.faxsim(joined({{"add-fax", "faxsrv", "CAROL", "F1", "--handle", "7"}, c.before})))
      << store_.lastFaxsim().describe();
  bool viewedBefore = store_.marks("F1").starts_with("viewed");

  ProgramRun result = run(joined({{"-s", "faxsrv", "-u", "carol"}, c.options, {"F1"}}));
  EXPECT_EQ(result.out(),
            outputHead() + carolSessionHead() +
                markingPass(markedInTurn({"F1"}),
                            "faxes:1 marked:1 failed:0 skipped:0 total:1\n"
                            "recv:1 sent:0 viewed:" +
                                std::string(viewedBefore ? "1" : "0") + " pages:1 errs:0\n") +
                worldSessionTail());
  EXPECT_EQ(result.status(), 0);
  std::string calls;
  for (int code : c.codes)
    calls += "InkStampFax(1, 7, " + std::to_string(code) + ") = 0\n";
  EXPECT_EQ(callsOf(result.trace, "InkStampFax"), calls);
  EXPECT_EQ(store_.marks("F1"), c.after);
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkCodeTest, ::testing::ValuesIn(markCases()), caseName<MarkCase>);

class MarkStoreTest : public WorldStoreTest {};

// Marks are in the store when the run ends, and a second run builds on them.
TEST_F(MarkStoreTest, MarksPersistAcrossRuns) {
  ASSERT_EQ(run({"-s", "faxsrv", "-u", "alice", "-mp", "-mb", "-R", "*"}).status(), 0);
  EXPECT_EQ(store_.marks("APP0001A"), "viewed printed body_printed");
  EXPECT_EQ(store_.marks("B0000104"), "printed body_printed");
  EXPECT_EQ(store_.marks("B0000102"), "none");
  ASSERT_EQ(run({"-s", "faxsrv", "-u", "alice", "-np", "-nr", "B0000104"}).status(), 0);
  EXPECT_EQ(store_.marks("APP0001A"), "viewed printed body_printed");
  EXPECT_EQ(store_.marks("B0000104"), "held");
}

}  // namespace
}  // namespace e2e
