// The POSIX pause: its scale and that it sleeps (or doesn't) accordingly.
#include "faxsim/scaled_sleep.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/temp_store.h"

namespace faxsim {
namespace {

TEST(PauseScaleTest, AcceptsNonNegativeDecimalsOnly) {
  EXPECT_EQ(parsePauseScale("0"), 0);
  EXPECT_EQ(parsePauseScale("2"), 2);
  EXPECT_EQ(parsePauseScale("0.25"), 0.25);
  EXPECT_EQ(parsePauseScale(".5"), 0.5);
  EXPECT_EQ(parsePauseScale("3."), 3);
  for (const char* invalid :
       {"", "-1", "+1", "1e3", "inf", "nan", "0x10", "1.2.3", "1,5", " 1", "."})
    EXPECT_EQ(parsePauseScale(invalid), 1) << invalid;
  EXPECT_EQ(parsePauseScale(nullptr), 1);
  EXPECT_EQ(scaledPauseMs(10000, 0.001), 10);
  EXPECT_EQ(scaledPauseMs(4294967295u, 1e300), 1e12);
}

#ifndef _WIN32
double timedSleepMs(uint32_t milliseconds) {
  auto start = std::chrono::steady_clock::now();
  Sleep(milliseconds);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

TEST(PauseTest, SleepsTheScaledTimeAndTracesTheRequestedOne) {
  support::TempStore dir(support::TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  std::string trace = dir.traceToFile();
  {
    support::ScopedEnv scale("FAXSIM_SLEEP_SCALE", "0");
    EXPECT_LT(timedSleepMs(100000), 1000);  // a real pause would take 100 s
  }
  {
    support::ScopedEnv scale("FAXSIM_SLEEP_SCALE", "0.5");
    double slept = timedSleepMs(120);
    EXPECT_GE(slept, 60);
    EXPECT_LT(slept, 1000);
  }
  EXPECT_EQ(support::readFile(trace), "Sleep(100000)\nSleep(120)\n");
}
#endif

}  // namespace
}  // namespace faxsim
