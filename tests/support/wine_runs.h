// What the Wine tests share: a scratch folder per test, stores made with the
// native faxsim tool, and runs of the same command line by the native program
// and by the Windows program under Wine.
#ifndef INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_
#define INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_

#include <functional>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/wine.h"

namespace support {

// An empty folder for the running test, under the architecture's scratch space.
std::string freshTestFolder();

// How a native program of these tests is run: in the test's environment, for
// at most Wine::kRunTimeout.
ProcessOptions nativeOptions();

// Runs the native faxsim on a store; fails the test when it fails.
void faxsim(const std::string& store, const std::vector<std::string>& arguments);
// Its listing of a user's faxes and their marks.
std::string listFaxes(const std::string& store, const std::string& host, const std::string& user);

// Creates the test world's store, then applies each command to it.
void makeWorldStore(const std::string& store,
                    const std::vector<std::vector<std::string>>& commands = {});

// The programs that run on a store.
enum class Tool { kInkstamp, kFaxlist };

// Runs a program (inkstamp unless `tool` says otherwise) on a store:
// natively (pauses scaled to nothing) or as its .exe under Wine (the
// kernel's real pauses). `trace`, when not empty, is the file the simulator
// traces its calls to; `workingDirectory`, when not empty, the folder it
// runs in.
ProcessResult runNative(const std::vector<std::string>& arguments, const std::string& store,
                        const std::string& trace = "", const std::string& workingDirectory = "",
                        Tool tool = Tool::kInkstamp);
ProcessResult runWindows(const std::vector<std::string>& arguments, const std::string& store,
                         const std::string& trace = "", const std::string& workingDirectory = "",
                         Tool tool = Tool::kInkstamp);

// One command line for both builds of a program: the faxsim commands that
// follow the test world's on the store, the arguments, and the exit status.
struct Comparison {
  const char* name;
  std::vector<std::vector<std::string>> setup;
  std::vector<std::string> arguments;
  int exitStatus;
};

// Runs `comparison` natively and under Wine, each in a folder of its own
// ("native" and "windows" in the folder returned) on a copy of one store,
// after `prepare` has been given each of those folders. Expects the same
// exit status, the same output (CR LF read as LF), nothing on standard
// error, the same client calls (pauses aside) and the same marks afterwards.
std::string compareRuns(const Comparison& comparison, Tool tool = Tool::kInkstamp,
                        const std::function<void(const std::string& folder)>& prepare = {});

// Where a program writes.
enum class Stream { kOut, kErr };

// Expects `result` to have ended with `status`, and `text` to stand in what
// it wrote to `stream` (CR LF read as LF).
void expectEndedSaying(const ProcessResult& result, int status, const std::string& text,
                       Stream stream = Stream::kOut);

// Describes a run for a failure message: how it ended, and what it wrote.
std::string describe(const ProcessResult& result);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_
