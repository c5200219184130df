// The Wine tests' shared helpers.
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string freshTestFolder() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  fs::path folder =
      fs::path(Wine::get().work) / (std::string(test->test_suite_name()) + "." + test->name());
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder.string();
}

void faxsim(const std::string& store, const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {Wine::get().nativeFaxsim, "--store", store};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessResult result = runProcess(command, {});
  ASSERT_EQ(result.exitStatus, 0) << "faxsim failed: " << describe(result);
}

std::string listFaxes(const std::string& store, const std::string& host, const std::string& user) {
  ProcessResult result =
      runProcess({Wine::get().nativeFaxsim, "--store", store, "list-faxes", host, user}, {});
  EXPECT_EQ(result.exitStatus, 0) << describe(result);
  return result.out;
}

void makeDemoStore(const std::string& store,
                   const std::vector<std::vector<std::string>>& commands) {
  faxsim(store, {"demo", "--force"});
  for (const std::vector<std::string>& command : commands)
    faxsim(store, command);
}

ProcessResult runNative(const std::vector<std::string>& arguments, const std::string& store,
                        const std::string& trace) {
  std::vector<std::string> command = {Wine::get().nativeInkstamp};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.set["FAXSIM_STORE"] = store;
  options.set["FAXSIM_SLEEP_SCALE"] = "0";
  if (!trace.empty())
    options.set["FAXSIM_TRACE"] = trace;
  else
    options.unset.push_back("FAXSIM_TRACE");
  return runProcess(command, options);
}

ProcessResult runWindows(const std::vector<std::string>& arguments, const std::string& store,
                         const std::string& trace, const std::string& workingDirectory) {
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.set["FAXSIM_STORE"] = Wine::windowsPath(store);
  if (!trace.empty())
    options.set["FAXSIM_TRACE"] = Wine::windowsPath(trace);
  else
    options.unset.push_back("FAXSIM_TRACE");
  options.unset.push_back("FAXSIM_SLEEP_SCALE");
  options.workingDirectory = workingDirectory;
  return runProcess(wine.command("inkstamp.exe", arguments), options);
}

void copyFile(const std::string& from, const std::string& to) {
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string describe(const ProcessResult& result) {
  std::ostringstream text;
  if (!result.started)
    text << "not started; ";
  text << "exit status " << result.exitStatus;
  if (result.signal != 0)
    text << ", signal " << result.signal;
  text << "\n--- stdout ---\n" << result.out << "--- stderr ---\n" << result.err;
  return text.str();
}
