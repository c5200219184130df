// The program that the end-to-end scenarios run. By default that is the POSIX
// inkstamp built beside the tests. INKSTAMP_E2E_PROGRAM, when set, replaces it
// with a command prefix of its own, its elements separated by semicolons
// (such as "/usr/lib/wine/wine64;/path/inkstamp.exe"), and
// INKSTAMP_E2E_WINDOWS=1 says that this prefix runs a Windows program.
#ifndef INKSTAMP_TESTS_SUPPORT_PROGRAM_UNDER_TEST_H_
#define INKSTAMP_TESTS_SUPPORT_PROGRAM_UNDER_TEST_H_

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "support/run_process.h"

namespace support {

// The words that start the program, before its own arguments.
std::vector<std::string> programCommand();

// Whether the program is a Windows program. Its pause between connection
// tries is then the kernel's Sleep: a real 10 seconds, and absent from the
// simulator's trace.
bool programIsWindows();

// Why a test that needs the simulator's pause is skipped on Windows.
extern const char kNeedsSimulatedPause[];

// The text with each CR LF turned into LF, as a Windows program in text mode
// writes its line ends.
std::string normalizeLineEnds(std::string_view text);

// Splits `text` at each semicolon, dropping empty pieces.
std::vector<std::string> splitCommand(std::string_view text);

// How long one run of a program may take before it counts as hung:
// INKSTAMP_E2E_TIMEOUT seconds when set, else 30 seconds.
std::chrono::milliseconds runTimeout();

// Runs the program under test with `arguments` and the environment changes
// in `env`, killing it after `timeout`. Its standard output (and error) come
// back with LF line ends.
ProcessResult runProgram(const std::vector<std::string>& arguments,
                         const std::vector<EnvSetting>& env,
                         std::chrono::milliseconds timeout = runTimeout());

// The command that starts faxlist, the listing companion of the program,
// built beside the tests.
std::vector<std::string> faxlistCommand();

// Runs `command` followed by `arguments` as runProgram() runs the program
// under test.
ProcessResult runCommand(std::vector<std::string> command,
                         const std::vector<std::string>& arguments,
                         const std::vector<EnvSetting>& env,
                         std::chrono::milliseconds timeout = runTimeout());

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_PROGRAM_UNDER_TEST_H_
