// Runs a program to completion and collects what it wrote: the Wine tests run
// the native and the Windows programs this way, with a chosen environment and
// working directory.
#ifndef INKSTAMP_TESTS_WINE_PROCESS_H_
#define INKSTAMP_TESTS_WINE_PROCESS_H_

#include <map>
#include <string>
#include <vector>

struct ProcessResult {
  bool started = false;       // false: the program could not be run at all
  int exitStatus = -1;        // 0-255 when it exited, -1 when killed
  int signal = 0;             // the signal that ended it, if any
  std::string out;            // standard output, byte for byte
  std::string err;            // standard error
  double elapsedSeconds = 0;  // wall-clock time from start to end
};

struct ProcessOptions {
  // Variables set on top of the test's own environment, and names removed
  // from it.
  std::map<std::string, std::string> set;
  std::vector<std::string> unset;
  std::string workingDirectory;  // empty: the test's own
  int timeoutSeconds = 120;      // killed after this; 0: no limit
};

// Runs argv[0] (searched in PATH when it has no slash) with the arguments.
ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options);

// The output with every CR LF turned into LF, so Windows and POSIX output compare.
std::string withUnixLineEnds(const std::string& text);

#endif  // INKSTAMP_TESTS_WINE_PROCESS_H_
