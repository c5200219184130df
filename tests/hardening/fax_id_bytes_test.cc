// Every byte value from 1 to 255 in fax IDs and in patterns, end to end: the
// store holds fax "ID<b>Z" under handle b for each byte b, and a run whose
// patterns name some of them must select exactly those (a letter with its
// other case), print each ID byte for byte, and mark exactly them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/reported_marks.h"

namespace hardening {
namespace {

using namespace support;

std::string faxIdFor(int byte) {
  return std::string("ID") + static_cast<char>(byte) + "Z";
}

// Every other byte from `first` up to 255, without the wildcards '*' and '?'.
std::set<int64_t> everyOtherLiteralByte(int first) {
  std::set<int64_t> bytes;
  for (int byte = first; byte <= 255; byte += 2) {
    if (byte != '*' && byte != '?')
      bytes.insert(byte);
  }
  return bytes;
}

class FaxIdBytesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<FaxSpec> faxes;
    for (int byte = 1; byte <= 255; ++byte)
      faxes.push_back({byte, faxIdFor(byte), byte % 3 != 0});
    ASSERT_TRUE(makeStore(store_, faxes)) << store_.dir();
  }

  // Runs with one pattern "ID<b>Z" for each byte b of `bytes` and `mark`,
  // and checks that exactly `bytes` (their handles) were selected, shown
  // and marked in `column`.
  void expectSelectsExactly(const std::set<int64_t>& bytes, const std::string& mark,
                            const std::string& column) {
    std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "alice", mark};
    for (int64_t byte : bytes)
      arguments.push_back(faxIdFor(static_cast<int>(byte)));
    support::ProgramRun run = support::runAgainst(store_, arguments);
    ASSERT_TRUE(run.process.exited()) << run.process.describe();
    EXPECT_EQ(run.status(), 0);
    Summary summary = summaryOf(run.out());
    EXPECT_EQ(summary.faxes, static_cast<int>(bytes.size()));
    EXPECT_EQ(summary.marked, static_cast<int>(bytes.size()));
    EXPECT_EQ(summary.total, 255);
    EXPECT_EQ(handlesMarkedInTrace(run.trace), bytes);
    EXPECT_EQ(handlesWithMark(store_, column), bytes);
    // The list comes in handle order, so the progress lines do too.
    size_t at = 0;
    int ordinal = 0;
    for (int64_t byte : bytes) {
      ++ordinal;
      std::string line = std::to_string(ordinal) + "/" + std::to_string(ordinal) + " " +
                         faxIdFor(static_cast<int>(byte)) + "\n  -> marked\n";
      at = run.out().find(line, at);
      ASSERT_NE(at, std::string::npos) << "fax " << byte;
    }
  }

  support::SimStore store_;
};

// A '*' or '?' in a pattern is a wildcard, so those two bytes are left out
// of the literal runs; every other byte selects its own fax and, for a
// letter, the fax with the same letter in the other case, whose byte has the
// same parity.
TEST_F(FaxIdBytesTest, EachOddByteSelectsItsOwnFax) {
  expectSelectsExactly(everyOtherLiteralByte(1), "-m1", "user1");
}

TEST_F(FaxIdBytesTest, EachEvenByteSelectsItsOwnFax) {
  expectSelectsExactly(everyOtherLiteralByte(2), "-m2", "user2");
}

TEST_F(FaxIdBytesTest, WildcardsInPatternsMatchEveryByteInIds) {
  std::set<int64_t> all;
  for (int byte = 1; byte <= 255; ++byte)
    all.insert(byte);
  for (const char* pattern : {"ID?Z", "ID*Z", "*?Z", "i*"}) {
    support::ProgramRun run =
        support::runAgainst(store_, {"-s", "faxsrv", "-u", "alice", "-mv", pattern});
    ASSERT_TRUE(run.process.exited()) << run.process.describe();
    EXPECT_EQ(run.status(), 0);
    EXPECT_EQ(summaryOf(run.out()).faxes, 255) << pattern;
    EXPECT_EQ(handlesMarkedInTrace(run.trace), all) << pattern;
  }
  EXPECT_EQ(handlesWithMark(store_, "viewed"), all);
}

}  // namespace
}  // namespace hardening
