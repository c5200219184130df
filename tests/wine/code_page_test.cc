// Arguments that the ANSI code page can't hold. Under Wine the console
// start-up converts the wide command line to code page 1252, where "Ωx"
// arrives as "Ox" (a best-fit look-alike), "ā" as "a" and a character with
// no look-alike as '?'. inkstamp.exe refuses such a command line before
// reading any option, while an argument that 1252 holds ("É") works as typed.
// Wine converts each argument on its own, so it never splits otherwise than
// typed; the splits that Windows makes are unit-tested
// (argument_code_page_test.cc).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

const char kOmegaX[] = "\xCE\xA9x";  // "Ωx" in UTF-8, as the Unix side passes it
const char kAMacron[] = "\xC4\x81";  // "ā"

// Faxes of alice whose IDs the altered arguments would select, and the
// user the altered "ā" would name.
const std::vector<std::vector<std::string>> kLookAlikes = {
    {"add-fax", "faxsrv", "ALICE", "Ox"},
    {"add-fax", "faxsrv", "ALICE", "a"},
    {"add-user", "faxsrv", "A"},
    {"add-fax", "faxsrv", "A", "B1"},
};

// What argv_echo.exe receives for `arguments`, one line each after argv[0].
std::string received(const std::vector<std::string>& arguments) {
  const Wine& wine = Wine::get();
  ProcessResult result = runProcess(wine.command("argv_echo.exe", arguments), wine.options());
  EXPECT_EQ(result.exitStatus, 0) << describe(result);
  std::string out = normalizeLineEnds(result.out);
  size_t first = out.find("\n1:");
  return first == std::string::npos ? out : out.substr(first + 1);
}

}  // namespace

TEST(WindowsCodePage, ArgumentsTheCodePageLacksAreRefused) {
  REQUIRE_WINE();
  // Without the check these would reach the program altered: this is what
  // the refusal below prevents.
  ASSERT_EQ(received({kOmegaX, kAMacron}), "1:[Ox]\n2:[a]\n");

  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  makeWorldStore(store, kLookAlikes);
  const std::string before = listFaxes(store, "faxsrv", "alice") + listFaxes(store, "faxsrv", "a");
  struct Case {
    std::vector<std::string> arguments;
    int position;
  };
  const Case cases[] = {
      {{"-s", "faxsrv", "-u", "alice", "-mp", kOmegaX}, 6},
      {{"-s", "faxsrv", "-u", "alice", "-mp", "B*", kAMacron}, 7},
      {{"-s", "faxsrv", "-u", kOmegaX, "-mp", "*"}, 4},
      {{"-u", kAMacron, "-s", "faxsrv", "-mv", "*"}, 2},
  };
  for (const Case& c : cases) {
    std::string trace = folder + "/trace.txt";
    writeFile(trace, "");
    ProcessResult result = runWindows(c.arguments, store, trace);
    std::string out = normalizeLineEnds(result.out);
    SCOPED_TRACE(out);
    EXPECT_EQ(result.exitStatus, 255);
    const std::string line = "Argument " + std::to_string(c.position) +
                             " has a character that code page 1252 can't represent.\n";
    EXPECT_NE(out.find(line + "\nusage:  inkstamp [-option...] fax-ID...\n"), std::string::npos);
    EXPECT_EQ(out.find("Server:"), std::string::npos);
    // The library was asked for its version, and no server was contacted.
    const std::string calls = readFile(trace);
    EXPECT_EQ(calls.substr(0, calls.find('(')), "RFaxGetAPIVersion") << calls;
    EXPECT_EQ(calls.find("RFaxCreateServerHandle"), std::string::npos) << calls;
  }
  EXPECT_EQ(listFaxes(store, "faxsrv", "alice") + listFaxes(store, "faxsrv", "a"), before);
}

// "É" is in code page 1252 (byte 0xC9): it reaches the program and selects
// exactly the fax with that byte, not "E" nor "é" (only A-Z fold).
TEST(WindowsCodePage, CharactersTheCodePageHoldsWorkAsTyped) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  makeWorldStore(store, {{"add-fax", "faxsrv", "ALICE", "\xC9"},
                         {"add-fax", "faxsrv", "ALICE", "E"},
                         {"add-fax", "faxsrv", "ALICE", "\xE9"}});
  ProcessResult result = runWindows({"-s", "faxsrv", "-u", "alice", "-mp", "\xC3\x89"}, store);
  expectEndedSaying(result, 0, "1/1 \xC9\n  -> marked\n\nfaxes:1 marked:1 failed:0");
}

// The program's own path counts too: on Windows a look-alike of a quote
// there (U+FF02 becomes '"') moves every later argument. faxsim.exe checks
// its arguments as well, since a look-alike would name another store or fax.
TEST(WindowsCodePage, ProgramPathAndFaxsimArgumentsAreChecked) {
  REQUIRE_WINE();
  const Wine& wine = Wine::get();
  const std::string folder = freshTestFolder() +
                             "/a\xEF\xBC\x82"
                             "b c";
  std::filesystem::create_directories(folder);
  for (const char* file : {"inkstamp.exe", "RFWIN32.dll"})
    copyFile(wine.stagePath(file), folder + "/" + file);
  ProcessResult moved = runProcess(
      wine.command(folder + "/inkstamp.exe", {"-s", "faxsrv", "-u", "alice", "-mp", "*"}),
      wine.options());
  expectEndedSaying(moved, 255,
                    "The program's path has a character that code page 1252 can't represent.\n"
                    "\nusage:  inkstamp [-option...] fax-ID...\n");

  const std::string store = Wine::windowsPath(freshTestFolder() + "/store.db");
  ProcessResult faxsim =
      runProcess(wine.command("faxsim.exe", {"--store", store, "create", kOmegaX}), wine.options());
  EXPECT_EQ(faxsim.exitStatus, 2) << describe(faxsim);
  EXPECT_EQ(faxsim.err,
            "faxsim: Argument 4 has a character that code page 1252 can't represent.\r\n");
}
