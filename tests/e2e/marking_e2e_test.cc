// Complete runs of the marking pass on the simulator: the calls a run makes
// in order, the library's sort calling back the date comparison, and the
// folder scope.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

class MarkingTest : public WorldStoreTest {
 protected:
  // The fax IDs of the progress lines ("N/M ID") in `out`, separated by blanks.
  static std::string progressIds(const std::string& out) {
    std::string ids;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      size_t slash = line.find('/');
      size_t blank = line.find(' ');
      if (slash == 0 || slash == std::string::npos || blank < slash ||
          line.find_first_not_of("0123456789/") != blank)
        continue;
      ids += (ids.empty() ? "" : " ") + line.substr(blank + 1);
    }
    return ids;
  }
};

TEST_F(MarkingTest, CompleteRunMakesTheCallsInTheirOrder) {
  ProgramRun result =
      run({"-s", "faxsrv", "-u", "alice", "-t", "-mp", "-mb", "APP0001A", "B0000102"});
  EXPECT_EQ(result.out(), worldRun(markingPass(markedInTurn({"B0000102", "APP0001A"}),
                                               "faxes:2 marked:2 failed:0 skipped:2 total:4\n"
                                               "recv:1 sent:1 viewed:1 pages:5 errs:0\n",
                                               true)));
  EXPECT_EQ(result.status(), 0);
  // By date: B0000102, APP0005E, B0000104, APP0001A.
  EXPECT_EQ(result.trace, worldTraceHead() +
                              "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
                              "RFaxListSort(1) = 0\n"
                              "RFaxListGetFirstElementPtr(1) = 0\n"
                              "RFaxLoadFax3(1, 102, 0, 3, 0, 11) = 0\n"
                              "InkStampFax(1, 102, 3) = 0\n"
                              "InkStampFax(1, 102, 7) = 0\n"
                              "RFaxListGetNextElementPtr(1) = 0\n"
                              "RFaxListGetNextElementPtr(1) = 0\n"
                              "RFaxListGetNextElementPtr(1) = 0\n"
                              "RFaxLoadFax3(1, 101, 0, 3, 0, 11) = 0\n"
                              "InkStampFax(1, 101, 3) = 0\n"
                              "InkStampFax(1, 101, 7) = 0\n"
                              "RFaxListGetNextElementPtr(1) = 7\n"
                              "RFaxCloseListHandle(1) = 0\n"
                              "RFaxCloseServerHandle(1) = 0\n");
  EXPECT_EQ(store_.marks("B0000102"), "printed body_printed");
  EXPECT_EQ(store_.marks("APP0001A"), "viewed printed body_printed");
  EXPECT_EQ(store_.marks("APP0005E"), "none");
  EXPECT_EQ(store_.marks("B0000104"), "none");
}

// Dates compare as signed 32-bit values over their whole range (a
// comparison by subtraction would overflow here), and equal dates keep the
// list's order.
TEST_F(MarkingTest, SortCoversTheWholeDateRange) {
  const char* const faxes[][2] = {{"E1", "0"},  {"E2", "2147483647"}, {"E3", "-2147483648"},
                                  {"E4", "-1"}, {"E5", "1"},          {"E6", "0"}};
  for (const auto& fax : faxes) {
    ASSERT_TRUE(store_.faxsim({"add-fax", "faxsrv", "CAROL", fax[0], "--date", fax[1]}));
  }
  struct Case {
    const char* option;
    const char* order;
  };
  for (const Case& c : {Case{"-t", "E3 E4 E1 E6 E5 E2"}, Case{"-tr", "E2 E5 E1 E6 E4 E3"}}) {
    SCOPED_TRACE(c.option);
    ProgramRun result = run({"-s", "faxsrv", "-u", "carol", c.option, "-mv", "E?"});
    std::string order = progressIds(result.out());
    EXPECT_EQ(order, c.order) << result.out();
    EXPECT_NE(result.out().find("faxes:6 marked:6 failed:0 skipped:0 total:6\n"),
              std::string::npos);
  }
}

TEST_F(MarkingTest, AllFoldersIncludeTheArchivedFax) {
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-a", "-nr", "*"});
  EXPECT_EQ(result.out(), worldRun(markingPass(markedInTurn({"APP0001A", "B0000102", "APP0003C",
                                                             "B0000104", "APP0005E"}),
                                               "faxes:5 marked:5 failed:0 skipped:0 total:5\n"
                                               "recv:3 sent:2 viewed:1 pages:15 errs:1\n")));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxGetFaxList"),
            "RFaxGetFaxList(1, \"ALICE\", 1, 65533, 0) = 0\n");
  EXPECT_EQ(store_.marks("APP0003C"), "held");
  EXPECT_EQ(store_.marks("APP0009Z"), "none");
}

}  // namespace
}  // namespace e2e
