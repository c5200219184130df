// Running a program to completion and capturing what it did: its standard
// output and standard error (kept apart), its exit status, how long it took,
// and whether it had to be killed because it ran past its time. Tests that
// run built programs (these and the Wine tests) use it, so that a hang fails
// one test instead of stopping the suite.
#ifndef INKSTAMP_TESTS_SUPPORT_RUN_PROCESS_H_
#define INKSTAMP_TESTS_SUPPORT_RUN_PROCESS_H_

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace support {

// One change to the environment that the child inherits from the caller:
// `name` set to `value`, or removed when `value` is empty (std::nullopt).
struct EnvSetting {
  std::string name;
  std::optional<std::string> value;
};

struct ProcessOptions {
  // Applied to a copy of the caller's environment, in order.
  std::vector<EnvSetting> env;
  // How long the child may run before it (and its process group) is killed.
  std::chrono::milliseconds timeout{30000};
  // The child's working directory; empty: the caller's.
  std::string workingDirectory;
};

struct ProcessResult {
  // The child was started. When false, `problem` says why.
  bool started = false;
  // The child ran past the timeout and was killed.
  bool timedOut = false;
  // The exit status (0 to 255) of a child that exited, else -1.
  int exitStatus = -1;
  // The signal that ended the child, else 0.
  int signal = 0;
  std::string out;
  std::string err;
  std::string problem;
  // The wall-clock time from the start to the end of the child.
  std::chrono::steady_clock::duration elapsed{};

  // Whether the child exited by itself (with any status).
  bool exited() const { return started && !timedOut && signal == 0; }
  // A one-line account of how the run ended, for test failure messages.
  std::string describe() const;
};

// Runs argv[0] (searched for in PATH when it holds no slash) with the
// arguments argv[1...], standard input empty, and waits for it, reading both
// output streams while it runs so that a child with much to say never blocks.
ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_RUN_PROCESS_H_
