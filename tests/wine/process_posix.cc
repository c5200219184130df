// Running a program on POSIX: posix_spawn with standard output and error sent
// to files, which are read back once the program has ended (no pipe can fill
// up), and a kill after the time limit.
#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> buildEnvironment(const ProcessOptions& options) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string variable = *entry;
    std::string name = variable.substr(0, variable.find('='));
    bool dropped = options.set.count(name) != 0;
    for (const std::string& unset : options.unset)
      dropped = dropped || unset == name;
    if (!dropped)
      result.push_back(variable);
  }
  for (const auto& [name, value] : options.set)
    result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& text : strings)
    result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
  ProcessResult result;
  char outTemplate[] = "/tmp/inkstamp-wine-out-XXXXXX";
  char errTemplate[] = "/tmp/inkstamp-wine-err-XXXXXX";
  int outFd = mkstemp(outTemplate);
  int errFd = mkstemp(errTemplate);
  if (outFd < 0 || errFd < 0) {
    result.err = "can't make temporary files";
    return result;
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);
  if (!options.workingDirectory.empty())
    posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
  // Its own process group, so that a time-out kills whatever it started.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);

  std::vector<std::string> arguments = argv;
  std::vector<std::string> environment = buildEnvironment(options);
  std::vector<char*> argumentPointers = pointers(arguments);
  std::vector<char*> environmentPointers = pointers(environment);

  auto start = std::chrono::steady_clock::now();
  pid_t pid;
  int spawnError = posix_spawnp(&pid, argumentPointers[0], &actions, &attributes,
                                argumentPointers.data(), environmentPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(outFd);
  close(errFd);
  if (spawnError != 0) {
    result.err = "can't run " + argv[0] + ": " + strerror(spawnError);
    unlink(outTemplate);
    unlink(errTemplate);
    return result;
  }
  result.started = true;

  int status = 0;
  for (;;) {
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid)
      break;
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.timeoutSeconds > 0 && elapsed > options.timeoutSeconds) {
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  result.elapsedSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(status)) {
    result.exitStatus = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  result.out = readWholeFile(outTemplate);
  result.err = readWholeFile(errTemplate);
  unlink(outTemplate);
  unlink(errTemplate);
  return result;
}

std::string withUnixLineEnds(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    result += text[i];
  }
  return result;
}
