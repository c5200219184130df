// The support library's own checks: that a run's outputs, status and
// environment come through intact, and that a hang ends in a kill.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/e2e_support.h"

namespace e2e {
namespace {

using namespace support;

ProcessResult shell(const std::string& script, ProcessOptions options = {}) {
  return runProcess({"/bin/sh", "-c", script}, options);
}

TEST(RunProcessTest, KeepsOutputErrorAndStatusApart) {
  ProcessResult result = shell("printf 'out\\n'; printf err >&2; exit 7");
  EXPECT_TRUE(result.exited()) << result.describe();
  EXPECT_EQ(result.exitStatus, 7);
  EXPECT_EQ(result.out, "out\n");
  EXPECT_EQ(result.err, "err");
}

// More than a pipe holds on both streams at once: a runner that read only
// after the child ended, or one stream at a time, would hang here.
TEST(RunProcessTest, DrainsLargeOutputOnBothStreams) {
  ProcessResult result = shell(
      "i=0; while [ $i -lt 2000 ]; do echo xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;"
      " echo yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy >&2; i=$((i+1)); done");
  EXPECT_TRUE(result.exited()) << result.describe();
  EXPECT_EQ(result.out.size(), 2000u * 51);
  EXPECT_EQ(result.err.size(), 2000u * 51);
}

TEST(RunProcessTest, HangIsKilledAtTheTimeoutWithWhatItStarted) {
  ProcessOptions options;
  options.timeout = std::chrono::milliseconds(300);
  auto start = std::chrono::steady_clock::now();
  // The background sleep holds the output pipe open after its parent is gone.
  ProcessResult result = shell("echo started; sleep 30 & sleep 30", options);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(result.timedOut);
  EXPECT_FALSE(result.exited());
  EXPECT_EQ(result.out, "started\n");
  EXPECT_LT(elapsed, std::chrono::seconds(10));
}

TEST(RunProcessTest, ReportsTheSignalThatEndedTheChild) {
  ProcessResult result = shell("kill -TERM $$");
  EXPECT_FALSE(result.exited());
  EXPECT_EQ(result.signal, 15);
}

TEST(RunProcessTest, AppliesEnvironmentChanges) {
  ProcessOptions options;
  options.env = {{"E2E_A", "first"}, {"E2E_A", "second"}, {"HOME", std::nullopt}};
  ProcessResult result = shell("printf '%s|%s' \"$E2E_A\" \"${HOME-unset}\"", options);
  EXPECT_EQ(result.out, "second|unset");
}

TEST(RunProcessTest, RunsInTheWorkingDirectoryAndTimesTheRun) {
  ProcessOptions options;
  options.workingDirectory = "/";
  ProcessResult result = shell("pwd; sleep 0.3", options);
  EXPECT_EQ(result.out, "/\n");
  EXPECT_GE(result.elapsed, std::chrono::milliseconds(300));
  EXPECT_LT(result.elapsed, std::chrono::seconds(10));
}

TEST(RunProcessTest, MissingProgramIsNotStarted) {
  ProcessResult result = runProcess({"/nonexistent/program"}, {});
  EXPECT_FALSE(result.started);
  EXPECT_NE(result.describe().find("/nonexistent/program"), std::string::npos);
}

TEST(ProgramUnderTestTest, CommandPrefixAndLineEnds) {
  EXPECT_EQ(splitCommand("/usr/lib/wine/wine64;/p/inkstamp.exe"),
            (std::vector<std::string>{"/usr/lib/wine/wine64", "/p/inkstamp.exe"}));
  EXPECT_EQ(splitCommand(";a;;b c;"), (std::vector<std::string>{"a", "b c"}));
  EXPECT_EQ(normalizeLineEnds("a\r\nb\r\n\r\r\n\n"), "a\nb\n\r\n\n");
  EXPECT_EQ(withoutPauses("A() = 0\nSleep(10000)\nB() = 1\n"), "A() = 0\nB() = 1\n");
}

}  // namespace
}  // namespace e2e
