// A fax list of 1,000,000 faxes, made once with `faxsim generate`: a run in
// all folders, sorted by date in reverse, whose pattern selects only the few
// faxes with file-name IDs B00000001 to B0000000F. It must walk every fax,
// mark just those, and finish well within its time limit.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

#include "support/reported_marks.h"

namespace hardening {
namespace {

using namespace support;

const int kFaxes = 1000000;

TEST(LargeListTest, MillionFaxesWalkedWithFewSelected) {
  support::SimStore store;
  ASSERT_TRUE(makeStore(store, {}));
  ASSERT_TRUE(store.faxsim({"generate", "faxsrv", "ALICE", std::to_string(kFaxes), "--seed", "11"}))
      << store.lastFaxsim().describe() << store.lastFaxsim().err;
  const std::string selection = "fax_id GLOB 'B0000000?'";
  std::set<int64_t> selected;
  for (const std::string& line :
       {store.queryLines("SELECT handle FROM faxes WHERE " + selection + " ORDER BY handle")}) {
    size_t start = 0;
    for (size_t end; (end = line.find('\n', start)) != std::string::npos; start = end + 1)
      selected.insert(std::stoll(line.substr(start, end - start)));
  }
  ASSERT_FALSE(selected.empty());
  int64_t printedBefore = store.queryInt("SELECT count(*) FROM faxes WHERE printed = 1");
  int64_t newlyPrinted =
      store.queryInt("SELECT count(*) FROM faxes WHERE printed = 0 AND " + selection);

  // Tracing a million calls would measure the trace; this run goes without.
  support::ProgramRun run =
      support::runAgainst(store, {"-s", "faxsrv", "-u", "alice", "-a", "-tr", "-mp", "B0000000?"},
                          {{"FAXSIM_TRACE", std::nullopt}}, std::chrono::seconds(180));
  ASSERT_TRUE(run.process.exited()) << run.process.describe();
  EXPECT_EQ(run.status(), 0);
  Summary summary = summaryOf(run.out());
  ASSERT_TRUE(summary.found) << run.out();
  EXPECT_EQ(summary.total, kFaxes);
  EXPECT_EQ(summary.faxes, static_cast<int>(selected.size()));
  EXPECT_EQ(summary.marked, summary.faxes);
  EXPECT_EQ(summary.skipped, kFaxes - summary.faxes);

  std::set<int64_t> printed = handlesWithMark(store, "printed");
  for (int64_t handle : selected)
    EXPECT_TRUE(printed.count(handle)) << handle;
  EXPECT_EQ(static_cast<int64_t>(printed.size()), printedBefore + newlyPrinted);
  EXPECT_EQ(faxIdsReportedMarked(run.out()).size(), selected.size());
}

}  // namespace
}  // namespace hardening
