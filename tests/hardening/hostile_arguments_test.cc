// Hostile command lines against the test world's store: 32,767-byte arguments as
// host, user and pattern, empty and 10,000-byte hosts and users, 10,000
// patterns, patterns of nothing but stars. Each run must end in its usual
// output or a clean error with its exit status, within the time limit, and
// the faxes it reports marked must be exactly those marked in the store.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/reported_marks.h"

namespace hardening {
namespace {

using namespace support;

// The longest command line Windows accepts is 32,767 characters; POSIX takes
// an argument that long too.
const size_t kLongest = 32767;

enum class Outcome {
  kNoConnection,  // status 1 after five tries at the host
  kNoUser,        // status 3
  kMarked,        // status 0, `selected` faxes marked printed
};

struct HostileRow {
  const char* name;
  std::function<std::vector<std::string>()> arguments;
  Outcome outcome;
  int selected = 0;
};

std::vector<std::string> markingAll(std::vector<std::string> patterns) {
  std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "alice", "-mp"};
  arguments.insert(arguments.end(), patterns.begin(), patterns.end());
  return arguments;
}

std::vector<std::string> asHost(std::string host) {
  return {"-s", host, "-u", "alice", "-mp", "*"};
}

std::vector<std::string> asUser(std::string user) {
  return {"-s", "faxsrv", "-u", user, "-mp", "*"};
}

std::string repeated(const std::string& piece, size_t length) {
  std::string text;
  while (text.size() < length)
    text += piece;
  text.resize(length);
  return text;
}

std::vector<std::string> manyPatterns(size_t count, const std::string& last) {
  std::vector<std::string> patterns;
  for (size_t i = 1; i < count; ++i)
    patterns.push_back("NOMATCH-" + std::to_string(i));
  patterns.push_back(last);
  return patterns;
}

const HostileRow kRows[] = {
    {"HostOf32767Bytes", [] { return asHost(std::string(kLongest, 'h')); }, Outcome::kNoConnection},
    {"HostOf10000Bytes", [] { return asHost(std::string(10000, 'h')); }, Outcome::kNoConnection},
    {"EmptyHost", [] { return asHost(""); }, Outcome::kNoConnection},
    {"UserOf32767Bytes", [] { return asUser(std::string(kLongest, 'u')); }, Outcome::kNoUser},
    {"UserOf10000Bytes", [] { return asUser(std::string(10000, 'u')); }, Outcome::kNoUser},
    {"EmptyUser", [] { return asUser(""); }, Outcome::kNoUser},
    {"LiteralPatternOf32767Bytes", [] { return markingAll({std::string(kLongest, 'B')}); },
     Outcome::kMarked, 0},
    {"StarsPatternOf32767Bytes", [] { return markingAll({std::string(kLongest, '*')}); },
     Outcome::kMarked, 4},
    {"PatternsOfOnlyStars",
     [] {
       return markingAll({"*", "**", std::string(1000, '*')});
     },
     Outcome::kMarked, 4},
    {"LiteralAmid32767BytesOfStars",
     [] { return markingAll({std::string(16383, '*') + "5E" + std::string(16382, '*')}); },
     Outcome::kMarked, 1},
    {"StarQuestionPatternOf32767Bytes", [] { return markingAll({repeated("*?", kLongest)}); },
     Outcome::kMarked, 0},
    {"TenThousandPatternsTheLastSelecting",
     [] { return markingAll(manyPatterns(10000, "B000010?")); }, Outcome::kMarked, 2},
    {"TenThousandStarPatterns", [] { return markingAll(std::vector<std::string>(10000, "*")); },
     Outcome::kMarked, 4},
    // "*?" eight times and then "A" takes IDs of 9 characters or more ending
    // in A: none of the main folder's four, whose IDs have 8.
    {"TenThousandPatternsOf17Bytes",
     [] { return markingAll(manyPatterns(10000, repeated("*?", 16) + "A")); }, Outcome::kMarked, 0},
    // Seven times and then "A": APP0001A.
    {"TenThousandPatternsOf15Bytes",
     [] { return markingAll(manyPatterns(10000, repeated("*?", 14) + "A")); }, Outcome::kMarked, 1},
};

void PrintTo(const HostileRow& row, std::ostream* out) {
  *out << row.name;
}

class HostileArgumentsTest : public ::testing::TestWithParam<HostileRow> {
 protected:
  void SetUp() override { ASSERT_TRUE(store_.createWorld()) << store_.dir(); }

  support::SimStore store_;
};

TEST_P(HostileArgumentsTest, EndsAsSpecifiedWithNothingLost) {
  const HostileRow& row = GetParam();
  std::vector<std::string> arguments = row.arguments();
  const std::string otherMarks =
      "SELECT group_concat(fax_id || ':' || viewed || body_printed || approved || held || user1"
      " || user2) FROM faxes";
  const std::string otherMarksBefore = store_.queryLines(otherMarks);
  support::ProgramRun run = support::runAgainst(store_, arguments);
  ASSERT_TRUE(run.process.exited()) << run.process.describe();
  const std::string& out = run.out();
  EXPECT_EQ(out.rfind(support::outputHead(), 0), 0u);
  EXPECT_EQ(run.process.err, "");
  const std::string& host = arguments[1];
  const std::string& user = arguments[3];

  switch (row.outcome) {
    case Outcome::kNoConnection:
      EXPECT_EQ(run.status(), 1);
      EXPECT_NE(out.find("Server: " + host + "\n"), std::string::npos);
      EXPECT_TRUE(out.ends_with("Can't connect to RightFax server after 5 tries: " + host + "\n"));
      EXPECT_EQ(support::callsOf(run.trace, "RFaxGetFaxList"), "");
      break;
    case Outcome::kNoUser:
      EXPECT_EQ(run.status(), 3);
      EXPECT_NE(out.find("Invalid user: \"" + user + "\"\n"), std::string::npos);
      EXPECT_TRUE(out.ends_with("\nDisconnected\n"));
      EXPECT_EQ(support::callsOf(run.trace, "RFaxGetFaxList"), "");
      break;
    case Outcome::kMarked: {
      EXPECT_EQ(run.status(), 0);
      EXPECT_TRUE(out.ends_with("\nDisconnected\n"));
      Summary summary = summaryOf(out);
      ASSERT_TRUE(summary.found) << out.substr(out.size() > 2000 ? out.size() - 2000 : 0);
      EXPECT_EQ(summary.faxes, row.selected);
      EXPECT_EQ(summary.marked, row.selected);
      EXPECT_EQ(summary.failed, 0);
      EXPECT_EQ(summary.total, 4);
      break;
    }
  }
  // What the run reported done is in the store, and nothing else changed.
  std::multiset<std::string> reported = faxIdsReportedMarked(out);
  EXPECT_EQ(std::set<std::string>(reported.begin(), reported.end()),
            faxIdsWithMark(store_, "printed"));
  EXPECT_EQ(reported.size(), static_cast<size_t>(row.selected));
  EXPECT_EQ(handlesMarkedInTrace(run.trace), handlesWithMark(store_, "printed"));
  EXPECT_EQ(store_.queryLines(otherMarks), otherMarksBefore);
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileArgumentsTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<HostileRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace hardening
