// What the Wine tests share: a scratch folder per test, stores made with the
// native faxsim tool, and runs of the same command line by the native program
// and by the Windows program under Wine.
#ifndef INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_
#define INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_

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

// Describes a run for a failure message: how it ended, and what it wrote.
std::string describe(const ProcessResult& result);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_WINE_RUNS_H_
