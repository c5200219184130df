// Four inkstamp processes marking overlapping faxes of one store at the same
// time, each with a mark of its own. The store is busy throughout, which a
// run must wait for rather than fail on: every fax is marked, and every mark
// that a run reported done is in the store afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/reported_marks.h"

namespace hardening {
namespace {

using namespace support;

const int kFaxes = 4000;

struct ConcurrentRun {
  const char* option;  // the run's mark
  const char* column;  // where the store keeps it
  std::vector<std::string> patterns;
  int selected;  // how many faxes the patterns select
};

TEST(ConcurrentRunsTest, FourRunsOnOneStoreLoseNothingAndNeverFailOnABusyStore) {
  support::SimStore store;
  std::vector<FaxSpec> faxes;
  for (int i = 0; i < kFaxes; ++i) {
    char faxId[16];
    snprintf(faxId, sizeof faxId, "FAX%04d", i);
    faxes.push_back({i + 1, faxId});
  }
  ASSERT_TRUE(makeStore(store, faxes));

  // All faxes; the first half; the second half from FAX2000 (overlapping the
  // first on nothing, both overlapping the rest); IDs ending in 0 or 5.
  const ConcurrentRun runs[] = {
      {"-mp", "printed", {"*"}, kFaxes},
      {"-mv", "viewed", {"FAX0*", "FAX1*"}, kFaxes / 2},
      {"-ma", "approved", {"FAX2*", "FAX3*"}, kFaxes / 2},
      {"-m1", "user1", {"*0", "*5"}, kFaxes / 5},
  };
  std::vector<support::ProcessResult> results(std::size(runs));
  using Clock = std::chrono::steady_clock;
  std::vector<Clock::time_point> starts(std::size(runs)), ends(std::size(runs));
  std::vector<std::thread> threads;
  for (size_t i = 0; i < std::size(runs); ++i) {
    threads.emplace_back([&, i] {
      std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "alice", runs[i].option};
      arguments.insert(arguments.end(), runs[i].patterns.begin(), runs[i].patterns.end());
      // Each run traces to a file of its own, or not at all: the store's
      // environment names one shared file.
      std::vector<support::EnvSetting> env = store.programEnvironment();
      env.push_back({"FAXSIM_TRACE", std::nullopt});
      starts[i] = Clock::now();
      results[i] = support::runProgram(arguments, env, std::chrono::seconds(120));
      ends[i] = Clock::now();
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  // The four were at work at the same time.
  EXPECT_LT(*std::max_element(starts.begin(), starts.end()),
            *std::min_element(ends.begin(), ends.end()));

  for (size_t i = 0; i < std::size(runs); ++i) {
    const support::ProcessResult& result = results[i];
    SCOPED_TRACE(runs[i].option);
    ASSERT_TRUE(result.exited()) << result.describe();
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out.find("Can't"), std::string::npos)
        << result.out.substr(result.out.find("Can't"), 200);
    Summary summary = summaryOf(result.out);
    ASSERT_TRUE(summary.found);
    EXPECT_EQ(summary.faxes, runs[i].selected);
    EXPECT_EQ(summary.marked, runs[i].selected);
    EXPECT_EQ(summary.failed, 0);
    std::multiset<std::string> reported = faxIdsReportedMarked(result.out);
    EXPECT_EQ(reported.size(), static_cast<size_t>(runs[i].selected));
    std::set<std::string> inStore = faxIdsWithMark(store, runs[i].column);
    for (const std::string& faxId : reported)
      EXPECT_TRUE(inStore.count(faxId)) << faxId << " reported marked, not in the store";
    EXPECT_EQ(inStore.size(), static_cast<size_t>(runs[i].selected));
  }
}

}  // namespace
}  // namespace hardening
