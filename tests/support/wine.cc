// Finding and probing Wine for one architecture.
#include "support/wine.h"

#include <stdlib.h>

#include <dirent.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "support/files.h"
#include "support/program_under_test.h"

namespace support {
namespace {

// The build writes each architecture's settings to a file, one NAME=value
// line each, and names it in INKSTAMP_WINE_CONFIG: a discovered test gets a
// single environment variable. A setting in the environment itself wins, so
// that a developer can run the test program by hand.
std::map<std::string, std::string> readConfig() {
  std::map<std::string, std::string> config;
  const char* path = getenv("INKSTAMP_WINE_CONFIG");
  std::istringstream lines(path != nullptr ? readFile(path) : "");
  for (std::string line; std::getline(lines, line);) {
    size_t equals = line.find('=');
    if (equals != std::string::npos)
      config[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return config;
}

std::string setting(const std::map<std::string, std::string>& config, const char* name) {
  if (const char* value = getenv(name))
    return value;
  auto found = config.find(name);
  return found != config.end() ? found->second : "";
}

// The last few lines of a program's complaint, for a message.
std::string tail(const std::string& text) {
  size_t start = text.size() > 600 ? text.size() - 600 : 0;
  std::string result = text.substr(start);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r'))
    result.pop_back();
  return result.empty() ? "(no message)" : result;
}

// Linux runs a 32-bit x86 ELF program through a binfmt_misc handler when one
// claims it; handlers come before the kernel's own ELF loader. Returns the
// handler's name and interpreter when that is a qemu-user emulator.
std::string emulatorOfI386Programs() {
  const std::string folder = "/proc/sys/fs/binfmt_misc";
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr)
    return "";
  std::string found;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || name == "status" || name == "register")
      continue;
    std::string text = readFile(folder + "/" + name);
    // The magic of an i386 ELF program: "\x7fELF", 32-bit, little-endian,
    // and e_machine 3 in bytes 18 and 19.
    bool enabled = text.rfind("enabled", 0) == 0;
    size_t magicAt = text.find("magic ");
    std::string magic = magicAt == std::string::npos ? "" : text.substr(magicAt + 6, 40);
    bool i386 =
        magic.rfind("7f454c460101", 0) == 0 && magic.size() == 40 && magic.substr(36, 4) == "0300";
    size_t interpreter = text.find("interpreter ");
    if (enabled && i386 && interpreter != std::string::npos) {
      std::string path =
          text.substr(interpreter + 12, text.find('\n', interpreter) - interpreter - 12);
      if (path.find("qemu") != std::string::npos)
        found = name + " -> " + path;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

const Wine& Wine::get() {
  static const Wine wine = [] {
    std::map<std::string, std::string> config = readConfig();
    auto variable = [&config](const char* name) { return setting(config, name); };
    Wine w;
    w.arch = variable("INKSTAMP_WINE_ARCH");
    w.loader = variable("INKSTAMP_WINE_LOADER");
    w.prefix = variable("INKSTAMP_WINE_PREFIX");
    w.stage = variable("INKSTAMP_WINDOWS_STAGE");
    w.work = variable("INKSTAMP_WINE_WORK");
    w.objdump = variable("INKSTAMP_OBJDUMP");
    w.defFile = variable("INKSTAMP_RFWIN32_DEF");
    w.stdcall = variable("INKSTAMP_RFAX_STDCALL") == "1";
    w.nativeInkstamp = variable("INKSTAMP_NATIVE_INKSTAMP");
    w.nativeFaxlist = variable("INKSTAMP_NATIVE_FAXLIST");
    w.nativeFaxsim = variable("INKSTAMP_NATIVE_FAXSIM");
    return w;
  }();
  return wine;
}

Wine::State Wine::state(std::string* reason) const {
  if (!fileExists(probeFile()))
    return probe(reason);
  std::string text = readFile(probeFile());
  size_t newline = text.find('\n');
  std::string word = text.substr(0, newline);
  *reason = newline == std::string::npos ? "" : text.substr(newline + 1);
  if (word == "ready")
    return State::kReady;
  if (word == "unavailable")
    return State::kUnavailable;
  return State::kBroken;
}

Wine::State Wine::probe(std::string* reason) const {
  State result;
  const std::string bits = arch == "i686" ? "32-bit" : "64-bit";
  if (loader.empty()) {
    *reason = "Wine for " + bits + " Windows programs is not installed (Debian: " +
              (arch == "i686" ? "wine32" : "wine64") + "): the " + arch +
              " Windows tests are skipped";
    result = State::kUnavailable;
  } else {
    // The first start of a prefix creates it, which takes a minute or more.
    // Under qemu-user, 32-bit Wine loops over the whole 4 GB address space
    // looking for room that qemu does not give it, then fails to map the
    // shared user data, or runs so slowly that it may as well: a short try
    // says enough there.
    std::string emulator = arch == "i686" ? emulatorOfI386Programs() : "";
    bool freshPrefix = !std::filesystem::exists(prefix);
    ProcessOptions runOptions = options();
    const int timeoutSeconds = emulator.empty() ? 600 : 20;
    runOptions.timeout = std::chrono::seconds(timeoutSeconds);
    ProcessResult run = runProcess(command("argv_echo.exe", {"probe"}), runOptions);
    if (run.exited() && run.exitStatus == 0 &&
        support::normalizeLineEnds(run.out).find("\n1:[probe]\n") != std::string::npos) {
      *reason = "";
      result = State::kReady;
      keepServerRunning();
    } else if (arch == "i686") {
      // The 64-bit kernels of some machines can't run 32-bit programs at all
      // ("Exec format error"), or only through an emulator; 32-bit Wine can't
      // help that.
      std::string what = run.timedOut ? "no answer in " + std::to_string(timeoutSeconds) + " s"
                                      : "exit status " + std::to_string(run.exitStatus) + ": " +
                                            tail(run.err + run.out + run.problem);
      *reason =
          "32-bit Wine (" + loader + ") does not run a test program on this machine (" + what + ")";
      if (!emulator.empty())
        *reason += "; the kernel runs 32-bit x86 programs only through qemu-user (binfmt_misc " +
                   emulator + "), where Wine cannot reserve the address space it needs";
      *reason += ". The i686 Windows tests are skipped.";
      result = State::kUnavailable;
      // A prefix half made by the failed start would only mislead a later try.
      if (freshPrefix)
        std::filesystem::remove_all(prefix);
    } else {
      *reason = "Wine (" + loader + ") failed to run a test program (exit status " +
                std::to_string(run.exitStatus) + "): " + tail(run.err + run.out + run.problem);
      result = State::kBroken;
    }
  }
  const char* word = result == State::kReady         ? "ready"
                     : result == State::kUnavailable ? "unavailable"
                                                     : "broken";
  writeFile(probeFile(), std::string(word) + "\n" + *reason);
  return result;
}

// By default the prefix's wineserver ends three seconds after its last
// program, and the next program starts a new one: two seconds lost on each
// start, and now and then a start that races the old server's exit and fails
// at once with status 1. The tests run hundreds of short programs, so the
// prefix gets a server that stays a while after the last one instead.
void Wine::keepServerRunning() const {
  size_t slash = loader.rfind('/');
  std::string server =
      slash == std::string::npos ? "wineserver" : loader.substr(0, slash + 1) + "wineserver";
  ProcessOptions serverOptions = options();
  serverOptions.timeout = std::chrono::seconds(60);
  const std::string persistence = "-p" + std::to_string(kServerLingerSeconds);
  // Exit status 2: a server is running already: the probe's own, or a lasting
  // one of an earlier test run. No program of this prefix runs while the
  // fixture probes, so it is ended (-k) and the lasting one started afresh.
  // -k only signals the old server: -w waits until it is gone, since a new
  // one started before that finds it still there and leaves the prefix to
  // servers of the default linger.
  if (runProcess({server, persistence}, serverOptions).exitStatus == 2) {
    runProcess({server, "-k"}, serverOptions);
    runProcess({server, "-w"}, serverOptions);
    runProcess({server, persistence}, serverOptions);
  }
}

std::vector<std::string> Wine::command(const std::string& program,
                                       const std::vector<std::string>& arguments) const {
  std::vector<std::string> result = {
      loader, program.find('/') == std::string::npos ? stagePath(program) : program};
  result.insert(result.end(), arguments.begin(), arguments.end());
  return result;
}

ProcessOptions Wine::options() const {
  ProcessOptions result;
  result.timeout = kRunTimeout;
  result.env = {{"WINEPREFIX", prefix},
                {"WINEDEBUG", "-all"},
                // No Mono or Gecko installer prompts while a prefix is made, no
                // menu entries.
                {"WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d"},
                {"DISPLAY", std::nullopt},
                {"WAYLAND_DISPLAY", std::nullopt}};
  if (arch == "i686")
    result.env.push_back({"WINEARCH", "win32"});
  return result;
}

std::string Wine::windowsPath(const std::string& unixPath) {
  std::string result = "Z:" + unixPath;
  for (char& c : result)
    if (c == '/')
      c = '\\';
  return result;
}

}  // namespace support
