// The Wine tests' shared helpers.
#include "support/wine_runs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "faxclient/client_values.h"
#include "support/program_under_test.h"
#include "support/sim_store.h"
#include "support/world.h"

namespace fs = std::filesystem;

namespace support {
namespace {

// The value of FAXSIM_TRACE for a run that traces to `file`; none when
// `file` is empty, so that the simulator traces nothing.
std::optional<std::string> traceSetting(const std::string& file) {
  if (file.empty())
    return std::nullopt;
  return file;
}

}  // namespace

std::string freshTestFolder() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  fs::path folder =
      fs::path(Wine::get().work) / (std::string(test->test_suite_name()) + "." + test->name());
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder.string();
}

ProcessOptions nativeOptions() {
  ProcessOptions options;
  options.timeout = Wine::kRunTimeout;
  return options;
}

void faxsim(const std::string& store, const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {Wine::get().nativeFaxsim, "--store", store};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessResult result = runProcess(command, nativeOptions());
  ASSERT_EQ(result.exitStatus, 0) << "faxsim failed: " << describe(result);
}

std::string listFaxes(const std::string& store, const std::string& host, const std::string& user) {
  ProcessResult result = runProcess(
      {Wine::get().nativeFaxsim, "--store", store, "list-faxes", host, user}, nativeOptions());
  EXPECT_EQ(result.exitStatus, 0) << describe(result);
  return result.out;
}

void makeWorldStore(const std::string& store,
                    const std::vector<std::vector<std::string>>& commands) {
  for (const std::vector<std::string>& command : worldRecipe(faxclient::kBuiltInApiVersion))
    faxsim(store, command);
  for (const std::vector<std::string>& command : commands)
    faxsim(store, command);
}

ProcessResult runNative(const std::vector<std::string>& arguments, const std::string& store,
                        const std::string& trace, const std::string& workingDirectory, Tool tool) {
  const Wine& wine = Wine::get();
  std::vector<std::string> command = {tool == Tool::kFaxlist ? wine.nativeFaxlist
                                                             : wine.nativeInkstamp};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessOptions options = nativeOptions();
  options.env = {
      {"FAXSIM_STORE", store}, {"FAXSIM_SLEEP_SCALE", "0"}, {"FAXSIM_TRACE", traceSetting(trace)}};
  options.workingDirectory = workingDirectory;
  return runProcess(command, options);
}

ProcessResult runWindows(const std::vector<std::string>& arguments, const std::string& store,
                         const std::string& trace, const std::string& workingDirectory, Tool tool) {
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.env.insert(options.env.end(),
                     {{"FAXSIM_STORE", Wine::windowsPath(store)},
                      {"FAXSIM_TRACE", traceSetting(trace.empty() ? "" : Wine::windowsPath(trace))},
                      {"FAXSIM_SLEEP_SCALE", std::nullopt}});
  options.workingDirectory = workingDirectory;
  return runProcess(
      wine.command(tool == Tool::kFaxlist ? "faxlist.exe" : "inkstamp.exe", arguments), options);
}

namespace {

// faxlist's "Client library:" line, taken out of `out`; empty when none.
std::string takeClientLibraryLine(std::string* out) {
  size_t at = out->find("\nClient library: ");
  if (at == std::string::npos)
    return "";
  size_t end = out->find('\n', at + 1);
  end = end == std::string::npos ? out->size() : end + 1;
  std::string line = out->substr(at + 1, end - at - 1);
  out->erase(at + 1, end - at - 1);
  return line;
}

std::string expectedWindowsClientLibraryLine() {
  const Wine& wine = Wine::get();
  std::string convention;
  if (wine.arch == "i686")
    convention = wine.stdcall ? ", __stdcall" : ", __cdecl";
  return "Client library: " + Wine::windowsPath(wine.stagePath("RFWIN32.dll")) + ", version " +
         INKSTAMP_FILE_VERSION + convention +
         " (InkStamp's simulator for tests, not the vendor's library)\n";
}

}  // namespace

std::string compareRuns(const Comparison& comparison, Tool tool,
                        const std::function<void(const std::string& folder)>& prepare) {
  SCOPED_TRACE(comparison.name);
  std::string folder = freshTestFolder() + "/" + comparison.name;
  for (const char* side : {"native", "windows"}) {
    fs::create_directories(folder + "/" + side);
    if (prepare)
      prepare(folder + "/" + side);
  }
  std::string windowsStore = folder + "/windows.db";
  std::string nativeStore = folder + "/native.db";
  makeWorldStore(windowsStore, comparison.setup);
  EXPECT_TRUE(copyFile(windowsStore, nativeStore));

  ProcessResult native = runNative(comparison.arguments, nativeStore, folder + "/native.trace",
                                   folder + "/native", tool);
  ProcessResult windows = runWindows(comparison.arguments, windowsStore, folder + "/windows.trace",
                                     folder + "/windows", tool);
  EXPECT_EQ(native.exitStatus, comparison.exitStatus) << describe(native);
  EXPECT_EQ(windows.exitStatus, comparison.exitStatus) << describe(windows);
  std::string windowsOut = normalizeLineEnds(windows.out);
  std::string nativeOut = native.out;
  // Each side names its own library: the Windows one its DLL's path, its
  // version and the convention that the first call showed.
  if (tool == Tool::kFaxlist && !takeClientLibraryLine(&nativeOut).empty()) {
    EXPECT_EQ(takeClientLibraryLine(&windowsOut), expectedWindowsClientLibraryLine());
  }
  EXPECT_EQ(windowsOut, nativeOut);
  EXPECT_EQ(windows.err, "") << "the programs write nothing to standard error";
  // On POSIX the simulator's pause is traced; on Windows the program calls
  // the kernel's Sleep, which the simulator never sees.
  EXPECT_EQ(withoutPauses(readFile(folder + "/windows.trace")),
            withoutPauses(readFile(folder + "/native.trace")));
  for (const char* user : {"alice", "bob"})
    EXPECT_EQ(listFaxes(windowsStore, "faxsrv", user), listFaxes(nativeStore, "faxsrv", user))
        << "marks of " << user;
  return folder;
}

void expectEndedSaying(const ProcessResult& result, int status, const std::string& text,
                       Stream stream) {
  EXPECT_EQ(result.exitStatus, status) << describe(result);
  EXPECT_NE(normalizeLineEnds(stream == Stream::kOut ? result.out : result.err).find(text),
            std::string::npos)
      << "no \"" << text << "\" in " << describe(result);
}

std::string describe(const ProcessResult& result) {
  // The runner's account ends with standard error, when there is any.
  return result.describe() + "\n--- stdout ---\n" + result.out;
}

}  // namespace support
