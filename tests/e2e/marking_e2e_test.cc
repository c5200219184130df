// Complete runs of the marking pass: the calls a run makes in order, the
// sort orders, the folder scope, the direction filters, the patterns, and
// the summary's tallies.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

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

// A run with `options` added to its command line, and the marking pass it
// prints.
struct OptionsCase {
  const char* name;
  std::vector<std::string> options;
  std::string pass;
};

// Names the case in test listings, in place of its bytes.
void PrintTo(const OptionsCase& c, std::ostream* os) {
  *os << c.name;
}

// The progress lines follow the list as sorted; of two sort options the
// later one counts.
using SortCase = OptionsCase;

std::vector<SortCase> sortCases() {
  const std::string byDate = markingPass(
      markedInTurn({"B0000102", "APP0005E", "B0000104", "APP0001A"}), worldMainSummary(), true);
  const std::string byDateReversed = markingPass(
      markedInTurn({"APP0001A", "B0000104", "APP0005E", "B0000102"}), worldMainSummary(), true);
  return {
      {"Unsorted", {}, markingPass(worldMainProgress(), worldMainSummary())},
      {"ByDate", {"-t"}, byDate},
      {"ByDateReversed", {"-tr"}, byDateReversed},
      {"ByDateThenReversed", {"-t", "-tr"}, byDateReversed},
      {"ReversedThenByDate", {"-tr", "-t"}, byDate},
  };
}

class SortTest : public WorldStoreTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortTest, ProgressFollowsTheSortedList) {
  ProgramRun result =
      run(joined({{"-s", "faxsrv", "-u", "alice"}, GetParam().options, {"-mv", "*"}}));
  EXPECT_EQ(result.out(), worldRun(GetParam().pass));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxListSort"),
            GetParam().options.empty() ? "" : "RFaxListSort(1) = 0\n");
}

INSTANTIATE_TEST_SUITE_P(Marking, SortTest, ::testing::ValuesIn(sortCases()), caseName<SortCase>);

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

// Thousands of faxes, sorted: the whole output is what the store predicts.
TEST_F(MarkingTest, LargeListIsWalkedInFull) {
  ASSERT_TRUE(store_.faxsim({"generate", "faxsrv", "CAROL", "3000", "--seed", "7"}));
  const std::string mainFolder =
      "FROM faxes WHERE owner = 'CAROL' AND folder = 'main' COLLATE BINARY";
  std::string ids =
      store_.queryLines("SELECT fax_id " + mainFolder + " ORDER BY date DESC, handle");
  int64_t count = store_.queryInt("SELECT count(*) " + mainFolder);
  int64_t received = store_.queryInt("SELECT total(received) " + mainFolder);
  std::string expected = outputHead() + carolSessionHead() +
                         "Retrieving fax list...\n"
                         "Sorting fax list by date...\n"
                         "\n";
  int ordinal = 0;
  for (size_t at = 0, end; (end = ids.find('\n', at)) != std::string::npos; at = end + 1) {
    std::string number = std::to_string(++ordinal);
    expected += number + "/" + number + " " + ids.substr(at, end - at) + "\n  -> marked\n";
  }
  expected +=
      "\nfaxes:" + std::to_string(count) + " marked:" + std::to_string(count) +
      " failed:0 skipped:0 total:" + std::to_string(count) + "\nrecv:" + std::to_string(received) +
      " sent:" + std::to_string(count - received) +
      " viewed:" + std::to_string(store_.queryInt("SELECT total(viewed) " + mainFolder)) +
      " pages:" + std::to_string(store_.queryInt("SELECT total(pages) " + mainFolder)) + " errs:" +
      std::to_string(store_.queryInt("SELECT count(*) " + mainFolder + " AND error_code != 0")) +
      "\n" + worldSessionTail();
  ASSERT_GT(count, 1000);
  ASSERT_EQ(ordinal, count);

  ProgramRun result = run({"-s", "faxsrv", "-u", "carol", "-tr", "-mv", "*"});
  EXPECT_EQ(result.out(), expected);
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(store_.queryInt("SELECT count(*) " + mainFolder + " AND viewed = 1"), count);
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

// A fax whose direction isn't wanted is skipped silently, and the summary
// shows a dash for the direction left out.
struct DirectionCase : OptionsCase {
  // A fax of a direction left out, which the run leaves unmarked.
  const char* unmarked;
};

// Its own, as gtest would print a derived case's bytes rather than call the
// base's PrintTo.
void PrintTo(const DirectionCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<DirectionCase> directionCases() {
  const std::string both = markingPass(worldMainProgress(), worldMainSummary());
  return {
      {{"ReceivedOnly",
        {"-R"},
        markingPass(markedInTurn({"APP0001A", "B0000104"}),
                    "faxes:2 marked:2 failed:0 skipped:2 total:4\n"
                    "recv:2 sent:- viewed:1 pages:4 errs:1\n")},
       "B0000102"},
      {{"SentOnly",
        {"-S"},
        markingPass(markedInTurn({"B0000102", "APP0005E"}),
                    "faxes:2 marked:2 failed:0 skipped:2 total:4\n"
                    "recv:- sent:2 viewed:0 pages:7 errs:0\n")},
       "B0000104"},
      {{"Both", {"-R", "-S"}, both}, "APP0003C"},
      {{"Neither", {}, both}, "APP0003C"},
  };
}

class DirectionTest : public WorldStoreTest, public ::testing::WithParamInterface<DirectionCase> {};

TEST_P(DirectionTest, OnlyWantedDirectionsAreMarked) {
  ProgramRun result =
      run(joined({{"-s", "faxsrv", "-u", "alice", "-m1"}, GetParam().options, {"*"}}));
  EXPECT_EQ(result.out(), worldRun(GetParam().pass));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(store_.marks(GetParam().unmarked), "none");
}

INSTANTIATE_TEST_SUITE_P(Marking, DirectionTest, ::testing::ValuesIn(directionCases()),
                         caseName<DirectionCase>);

// The first pattern that matches selects a fax; a fax that two patterns
// match is marked once. Letters match regardless of case.
TEST_F(MarkingTest, FaxMatchingTwoPatternsIsMarkedOnce) {
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-ma", "app0001a", "APP*", "B000010?"});
  EXPECT_EQ(result.out(), worldRun(markingPass(worldMainProgress(), worldMainSummary())));
  EXPECT_EQ(callsOf(result.trace, "InkStampFax"),
            "InkStampFax(1, 101, 8) = 0\n"
            "InkStampFax(1, 102, 8) = 0\n"
            "InkStampFax(1, 104, 8) = 0\n"
            "InkStampFax(1, 2882400001, 8) = 0\n");
}

// Patterns match whole IDs only; these select nothing, so no progress line
// and no blank line before the summary's own.
TEST_F(MarkingTest, PatternsThatMatchNoWholeIdSelectNothing) {
  for (const char* pattern : {"APP", "0001A", "B0000102?", "", "APP0003C", "APP0009Z"}) {
    SCOPED_TRACE(pattern);
    ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", pattern});
    EXPECT_EQ(result.out(), worldRun(markingPass("",
                                                 "faxes:0 marked:0 failed:0 skipped:4 total:4\n"
                                                 "recv:0 sent:0 viewed:0 pages:0 errs:0\n")));
    EXPECT_EQ(callsOf(result.trace, "RFaxLoadFax3"), "");
  }
}

TEST_F(MarkingTest, EmptyListGivesTheZeroSummary) {
  ProgramRun result = run({"-s", "faxsrv", "-u", "carol", "-R", "-mp", "*"});
  EXPECT_EQ(result.out(), outputHead() + carolSessionHead() +
                              markingPass("",
                                          "faxes:0 marked:0 failed:0 skipped:0 total:0\n"
                                          "recv:0 sent:- viewed:0 pages:0 errs:0\n") +
                              worldSessionTail());
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(result.trace.substr(result.trace.find("RFaxGetFaxList")),
            "RFaxGetFaxList(1, \"CAROL\", 1, 65535, 0) = 0\n"
            "RFaxListGetFirstElementPtr(1) = 7\n"
            "RFaxCloseListHandle(1) = 0\n"
            "RFaxCloseServerHandle(1) = 0\n");
}

// Pages are summed as signed 16-bit values; errs counts faxes with an error
// code, not the codes.
TEST_F(MarkingTest, SummaryTalliesPagesAndErrorsPerFax) {
  ASSERT_TRUE(store_.faxsim(
      {"add-fax", "faxsrv", "CAROL", "C1", "--pages", "-1", "--error-code", "5", "--viewed"}));
  ASSERT_TRUE(store_.faxsim(
      {"add-fax", "faxsrv", "CAROL", "C2", "--sent", "--pages", "4", "--error-code", "7"}));
  ASSERT_TRUE(store_.faxsim({"add-fax", "faxsrv", "CAROL", "C3", "--pages", "32767"}));
  ProgramRun result = run({"-s", "faxsrv", "-u", "carol", "-mv", "C?"});
  std::string out = result.out();
  EXPECT_EQ(out.substr(out.find("Retrieving fax list")),
            markingPass(markedInTurn({"C1", "C2", "C3"}),
                        "faxes:3 marked:3 failed:0 skipped:0 total:3\n"
                        "recv:2 sent:1 viewed:1 pages:32770 errs:2\n") +
                worldSessionTail());
  EXPECT_EQ(result.status(), 0);
}

}  // namespace
}  // namespace e2e
