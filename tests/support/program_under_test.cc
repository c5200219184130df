// The program under test: its command, how it is run, and what its output
// looks like before it is compared.
#include "support/program_under_test.h"

#include <stdlib.h>
#include <string.h>

namespace support {
namespace {

const char kProgramVariable[] = "INKSTAMP_E2E_PROGRAM";
const char kWindowsVariable[] = "INKSTAMP_E2E_WINDOWS";
const char kTimeoutVariable[] = "INKSTAMP_E2E_TIMEOUT";
const int kDefaultTimeoutSeconds = 30;

}  // namespace

const char kNeedsSimulatedPause[] =
    "the Windows program pauses with the kernel's Sleep, which is neither traced nor scaled";

std::vector<std::string> splitCommand(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    size_t end = text.find(';');
    std::string_view word = text.substr(0, end);
    if (!word.empty())
      words.emplace_back(word);
    if (end == std::string_view::npos)
      break;
    text.remove_prefix(end + 1);
  }
  return words;
}

std::vector<std::string> programCommand() {
  const char* prefix = getenv(kProgramVariable);
  if (prefix != nullptr && *prefix != '\0')
    return splitCommand(prefix);
  return {INKSTAMP_E2E_INKSTAMP_PATH};
}

bool programIsWindows() {
  const char* value = getenv(kWindowsVariable);
  return value != nullptr && strcmp(value, "1") == 0;
}

std::string normalizeLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    result += text[i];
  }
  return result;
}

std::chrono::milliseconds runTimeout() {
  const char* value = getenv(kTimeoutVariable);
  int seconds = value != nullptr ? atoi(value) : 0;
  if (seconds <= 0)
    seconds = kDefaultTimeoutSeconds;
  return std::chrono::seconds(seconds);
}

std::vector<std::string> faxlistCommand() {
  return {INKSTAMP_E2E_FAXLIST_PATH};
}

ProcessResult runProgram(const std::vector<std::string>& arguments,
                         const std::vector<EnvSetting>& env, std::chrono::milliseconds timeout) {
  return runCommand(programCommand(), arguments, env, timeout);
}

ProcessResult runCommand(std::vector<std::string> argv, const std::vector<std::string>& arguments,
                         const std::vector<EnvSetting>& env, std::chrono::milliseconds timeout) {
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.env = env;
  options.timeout = timeout;
  ProcessResult result = runProcess(argv, options);
  result.out = normalizeLineEnds(result.out);
  result.err = normalizeLineEnds(result.err);
  return result;
}

}  // namespace support
