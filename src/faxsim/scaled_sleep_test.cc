// The POSIX pause: its scale and that it sleeps (or doesn't) accordingly.
#include "faxsim/scaled_sleep.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>

#include "support/temp_store.h"

namespace faxsim {
namespace {

// The scale, or -1 when the text is refused.
double scaleOf(const char* text) {
  double scale = -2;
  bool valid = parsePauseScale(text, &scale);
  EXPECT_EQ(scale >= 0, true) << text;  // a refused text still gives a scale
  return valid ? scale : -1;
}

TEST(PauseScaleTest, AcceptsNonNegativeDecimalsOnly) {
  EXPECT_EQ(scaleOf("0"), 0);
  EXPECT_EQ(scaleOf("2"), 2);
  EXPECT_EQ(scaleOf("90"), 90);  // every digit, the last included
  EXPECT_EQ(scaleOf("0.25"), 0.25);
  EXPECT_EQ(scaleOf(".5"), 0.5);
  EXPECT_EQ(scaleOf("3."), 3);
  for (const char* invalid :
       {"-1", "+1", "1e3", "inf", "nan", "0x10", "1.2.3", "1,5", " 1", ".", "abc"})
    EXPECT_EQ(scaleOf(invalid), -1) << invalid;
  EXPECT_EQ(scaleOf(nullptr), 1);  // unset or empty: not scaled, and no mistake
  EXPECT_EQ(scaleOf(""), 1);
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

// A variable the library can't use, and a store it can't serve, are named
// on standard error once per process, whatever the number of calls, and the
// calls go on: unscaled pauses, untraced calls, connections failing with 3.
// Each run is a child process of its own, so that "once" starts afresh and
// the child's streams can be caught.
TEST(EnvironmentWarningTest, OneLineOnStandardErrorPerProblemAndProcess) {
  support::TempStore dir(support::TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  std::string out = dir.dir() + "/out.txt", err = dir.dir() + "/err.txt";
  std::string badTrace = dir.dir() + "/missing/trace.log";
  fflush(nullptr);
  pid_t child = fork();
  if (child == 0) {
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
      _exit(2);
    setenv("FAXSIM_SLEEP_SCALE",
           "a\x1b"
           "bc",
           1);  // a control byte is shown escaped
    setenv("FAXSIM_TRACE", badTrace.c_str(), 1);
    for (int i = 0; i < 3; ++i) {
      Sleep(1);
      RFaxGetAPIVersion();
      RFaxError code = 0;
      if (RFaxCreateServerHandle("faxsrv", 4, &code) != 0 || code != 3)
        _exit(3);
    }
    setenv("FAXSIM_SLEEP_SCALE", "0.5x", 1);  // another bad value: still said once
    Sleep(1);
    fflush(nullptr);
    _exit(0);
  }
  int status = -1;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(support::readFile(out), "");
  EXPECT_EQ(
      support::readFile(err),
      "faxsim library: FAXSIM_TRACE=\"" + badTrace +
          "\" can't be opened for appending (No such file or directory); calls are not "
          "traced\n"
          "faxsim library: FAXSIM_SLEEP_SCALE=\"a\\x1Bbc\" is not a non-negative decimal number; "
          "pausing unscaled\n"
          "faxsim library: no store at " +
          dir.path() + "; 'faxsim demo' makes one\n");
}
#endif

}  // namespace
}  // namespace faxsim
