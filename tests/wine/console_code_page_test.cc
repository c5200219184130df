// The console's output code page while a program runs. Wine gives a program
// a console when its standard streams are a terminal, so these runs go
// through script(1), which makes one; Wine's console then draws on it in
// UTF-8 (with cursor controls), from bytes read in the console's code page.
// console_code_page.exe switches the console as the programs do, in a child,
// and reports the code page before, during and after it. Output to a pipe
// never switches anything: every other Wine test reads a pipe and compares
// the bytes with the native programs'.
#include <gtest/gtest.h>

#include <regex>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

// What the console showed, without the cursor controls and the carriage
// returns that Wine's console and the terminal add.
std::string shown(const std::string& drawn) {
  std::string text = std::regex_replace(drawn, std::regex("\x1B\\[[?0-9;]*[A-Za-z]"), "");
  std::erase(text, '\r');
  return text;
}

bool haveScript() {
  return runProcess({"script", "--version"}, nativeOptions()).exitStatus == 0;
}

}  // namespace

TEST(WindowsConsole, ShowsAnsiTextAndRestoresTheCodePageOnEveryWayOut) {
  REQUIRE_WINE();
  if (!haveScript())
    GTEST_SKIP() << "script(1) (util-linux) is missing: no terminal to give Wine a console";
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  // Code page 1252 for the programs, UTF-8 on the terminal.
  options.env.push_back({"LC_ALL", "C.UTF-8"});
  for (const char* how : {"return", "exit", "ctrl-c"}) {
    SCOPED_TRACE(how);
    const std::string command =
        "'" + wine.loader + "' '" + wine.stagePath("console_code_page.exe") + "' " + how;
    ProcessResult result = runProcess({"script", "-qec", command, "/dev/null"}, options);
    EXPECT_EQ(result.exitStatus, 0) << describe(result);
    // The OEM code page before and after; during the run the ANSI one, in
    // which 0xE9 is "é" (in code page 437 it would be "Θ").
    EXPECT_EQ(shown(result.out), "before=437\nduring=1252\n[\xC3\xA9]\nafter=437\n");
  }
}
