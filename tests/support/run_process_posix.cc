// Running a program on POSIX: posix_spawn with both output streams on pipes,
// drained with poll while the child runs, and a deadline after which the
// child's whole process group is killed.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/c_string_vector.h"
#include "support/run_process.h"

extern char** environ;

namespace support {
namespace {

using Clock = std::chrono::steady_clock;

// How long to wait between looks at a child whose output is already closed.
const int kIdlePollMs = 2;
// The longest single wait for output, so that the deadline is looked at.
const int kBusyPollMs = 100;

// The caller's environment with `changes` applied, as NAME=value entries.
std::vector<std::string> childEnvironment(const std::vector<EnvSetting>& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry)
    entries.emplace_back(*entry);
  for (const EnvSetting& change : changes) {
    std::string prefix = change.name + "=";
    std::erase_if(entries, [&](const std::string& entry) { return entry.starts_with(prefix); });
    if (change.value)
      entries.push_back(prefix + *change.value);
  }
  return entries;
}

// The read end of one output pipe and what has come through it.
struct Stream {
  int fd = -1;
  std::string* sink = nullptr;
};

// Reads what `stream` has to give now; closes it at end of file.
void drain(Stream& stream) {
  char buffer[65536];
  while (stream.fd >= 0) {
    ssize_t count = read(stream.fd, buffer, sizeof buffer);
    if (count > 0) {
      stream.sink->append(buffer, static_cast<size_t>(count));
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else if (count < 0 && errno == EAGAIN) {
      return;
    } else {
      close(stream.fd);
      stream.fd = -1;
    }
  }
}

// Waits up to `ms` for output on the streams that are still open, reads it.
void pollStreams(Stream* streams, int count, int ms) {
  pollfd fds[2];
  int open = 0;
  for (int i = 0; i < count; ++i) {
    if (streams[i].fd >= 0)
      fds[open++] = pollfd{streams[i].fd, POLLIN, 0};
  }
  if (open == 0) {
    poll(nullptr, 0, kIdlePollMs);
    return;
  }
  if (poll(fds, static_cast<nfds_t>(open), ms) <= 0)
    return;
  for (int i = 0; i < count; ++i)
    drain(streams[i]);
}

void recordStatus(int status, ProcessResult* result) {
  if (WIFEXITED(status))
    result->exitStatus = WEXITSTATUS(status);
  else if (WIFSIGNALED(status))
    result->signal = WTERMSIG(status);
}

bool makePipe(int fds[2], ProcessResult* result) {
  if (pipe2(fds, O_CLOEXEC) == 0)
    return true;
  result->problem = std::string("pipe: ") + strerror(errno);
  return false;
}

// Spawns the child with its standard streams set up; returns its pid or -1.
pid_t spawn(std::vector<std::string> argv, const ProcessOptions& options, int outWrite,
            int errWrite, ProcessResult* result) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outWrite, 1);
  posix_spawn_file_actions_adddup2(&actions, errWrite, 2);
  if (!options.workingDirectory.empty())
    posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());

  // A process group of its own, so that a timeout kills what it started too;
  // default signal handling and an empty mask whatever the test runner set.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  CStringVector argPointers(argv);
  CStringVector envPointers(childEnvironment(options.env));
  pid_t pid = -1;
  int error = posix_spawnp(&pid, argPointers.vector()[0], &actions, &attributes,
                           argPointers.vector(), envPointers.vector());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    result->problem = "posix_spawn " + argv[0] + ": " + strerror(error);
    return -1;
  }
  return pid;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
  ProcessResult result;
  if (argv.empty()) {
    result.problem = "no program given";
    return result;
  }
  int outPipe[2];
  int errPipe[2];
  if (!makePipe(outPipe, &result))
    return result;
  if (!makePipe(errPipe, &result)) {
    close(outPipe[0]);
    close(outPipe[1]);
    return result;
  }
  pid_t pid = spawn(argv, options, outPipe[1], errPipe[1], &result);
  close(outPipe[1]);
  close(errPipe[1]);
  Stream streams[2] = {{outPipe[0], &result.out}, {errPipe[0], &result.err}};
  if (pid < 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return result;
  }
  result.started = true;
  fcntl(outPipe[0], F_SETFL, O_NONBLOCK);
  fcntl(errPipe[0], F_SETFL, O_NONBLOCK);

  Clock::time_point start = Clock::now();
  Clock::time_point deadline = start + options.timeout;
  int status = 0;
  for (;;) {
    pollStreams(streams, 2, kBusyPollMs);
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      recordStatus(status, &result);
      break;
    }
    if (Clock::now() >= deadline) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      result.timedOut = true;
      break;
    }
  }
  result.elapsed = Clock::now() - start;
  // What the child wrote before it ended is still in the pipes. A process it
  // left behind may hold them open, so read what is there, not up to EOF.
  for (Stream& stream : streams) {
    drain(stream);
    if (stream.fd >= 0)
      close(stream.fd);
  }
  return result;
}

}  // namespace support
