// faxlist -o interrupted in the middle of a large listing, by Ctrl-C
// (SIGINT) and by SIGTERM: the temporary file is removed, the file named
// stays as it was, and the program ends by the signal.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "support/e2e_support.h"
#include "support/files.h"

extern char** environ;

namespace e2e {
namespace {

using namespace support;
namespace fs = std::filesystem;

// The temporary file beside `target` once something is written to it (the
// header alone stays in the stream's buffer), or "".
std::string startedTemporaryFile(const std::string& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (name.find(".partial-") != std::string::npos && entry.file_size(error) > 0)
      return entry.path().string();
  }
  return "";
}

// Starts faxlist on `store` with standard output thrown away.
pid_t startFaxlist(const SimStore& store, const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {faxlistCommand()[0]};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<std::string> settings = {"FAXSIM_STORE=" + store.path(), "FAXSIM_SLEEP_SCALE=0"};
  for (char** variable = environ; *variable != nullptr; ++variable) {
    std::string text = *variable;
    if (!text.starts_with("FAXSIM_"))
      settings.push_back(text);
  }
  std::vector<char*> envp;
  for (std::string& setting : settings)
    envp.push_back(setting.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

TEST(FaxlistInterruptTest, ASignalInTheMiddleOfTheListRemovesTheTemporaryFile) {
  SimStore store;
  ASSERT_TRUE(store.createFrom({{"create"},
                                {"add-server", "faxsrv"},
                                {"add-user", "faxsrv", "ALICE"},
                                {"generate", "faxsrv", "ALICE", "100000", "--seed", "3"}}))
      << store.lastFaxsim().describe();
  std::string folder = store.dir() + "/out";
  fs::create_directories(folder);
  std::string target = folder + "/list.csv";
  ASSERT_TRUE(writeFile(target, "older"));

  for (int signalNumber : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(strsignal(signalNumber));
    pid_t pid = startFaxlist(store, {"-s", "faxsrv", "-u", "alice", "-t", "-o", target});
    ASSERT_GT(pid, 0);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string temporary;
    while (temporary.empty() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      temporary = startedTemporaryFile(folder);
    }
    kill(pid, temporary.empty() ? SIGKILL : signalNumber);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_FALSE(temporary.empty()) << "the listing never began its file";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << status;
    EXPECT_FALSE(fileExists(temporary));
    EXPECT_EQ(readFile(target), "older");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  }
}

}  // namespace
}  // namespace e2e
