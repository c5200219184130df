// How a Windows command line reaches inkstamp.exe: split by the console
// start-up code into the argument vector (spaces, tabs, double quotes and
// backslashes), with '*' and '?' left alone. launch.exe starts a program with a
// command line exactly as written; argv_echo.exe, built with inkstamp's own
// start-up code, prints the vector it gets.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace fs = std::filesystem;

namespace {

// Runs `commandLine` through launch.exe, with the environment changed by
// `env`, and returns the output without CRs.
ProcessResult launch(const std::string& folder, const std::string& commandLine,
                     const std::vector<EnvSetting>& env = {}) {
  const Wine& wine = Wine::get();
  std::string file = folder + "/command-line.txt";
  writeFile(file, commandLine);
  ProcessOptions options = wine.options();
  options.env.insert(options.env.end(), env.begin(), env.end());
  ProcessResult result = runProcess(wine.command("launch.exe", {Wine::windowsPath(file)}), options);
  result.out = normalizeLineEnds(result.out);
  return result;
}

// The argument vector, as argv_echo prints it, without argv[0].
std::string echoed(const std::vector<std::string>& arguments) {
  std::string text = "argc=" + std::to_string(arguments.size() + 1) + "\n";
  for (size_t i = 0; i < arguments.size(); ++i)
    text += std::to_string(i + 1) + ":[" + arguments[i] + "]\n";
  return text;
}

// argv_echo's output from the line of argv[1] on, after the count.
std::string afterProgramName(const std::string& out) {
  size_t count = out.find('\n');
  size_t first = out.find('\n', count + 1);
  if (count == std::string::npos || first == std::string::npos)
    return out;
  return out.substr(0, count + 1) + out.substr(first + 1);
}

struct SplitCase {
  const char* tail;  // the command line after the program's name and a space
  std::vector<std::string> arguments;
  // Where Wine's msvcrt splits otherwise than Windows' own msvcrt.dll: what
  // Wine gives (these tests only ever run under Wine). Empty: the same.
  std::vector<std::string> underWine = {};
};

}  // namespace

TEST(WindowsCommandLine, SplitsLikeTheConsoleStartUp) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string program = Wine::windowsPath(Wine::get().stagePath("argv_echo.exe"));
  const SplitCase cases[] = {
      {"a b", {"a", "b"}},
      {"  a \t b\t\tc  ", {"a", "b", "c"}},
      {R"("a b" c)", {"a b", "c"}},
      {R"(a"b c"d)", {"ab cd"}},
      {R"("" x)", {"", "x"}},
      {R"(C:\dir\file.txt \\server\share\)", {R"(C:\dir\file.txt)", R"(\\server\share\)"}},
      // A quote after 2n backslashes: n backslashes, quoting turns on or off.
      {R"(a\\"b c" d)", {R"(a\b c)", "d"}},
      {R"("C:\dir with space\\" next)", {R"(C:\dir with space\)", "next"}},
      // After 2n+1 backslashes: n backslashes and a literal quote.
      {R"(a\"b)", {R"(a"b)"}},
      {R"(a\\\"b c)", {R"(a\"b)", "c"}},
      {R"("say \"hi\"")", {R"(say "hi")"}},
      // Two quotes in a row while quoting: one literal quote, quoting off.
      {R"("a""b")", {R"(a"b)"}},
      // Wine's msvcrt keeps quoting on after the pair, as the runtimes of
      // Visual C++ 2008 and later do; Windows' msvcrt.dll, which MinGW's
      // programs use, turns it off.
      {R"("a""b c")", {R"(a"b)", "c"}, {R"(a"b c)"}},
      // Dashes, slashes and options are plain text to the start-up code.
      {R"(-s "fax srv" -u /?)", {"-s", "fax srv", "-u", "/?"}},
  };
  for (const SplitCase& c : cases) {
    ProcessResult result = launch(folder, program + " " + c.tail);
    ASSERT_EQ(result.exitStatus, 0) << describe(result);
    EXPECT_EQ(afterProgramName(result.out), echoed(c.underWine.empty() ? c.arguments : c.underWine))
        << "command line tail: " << c.tail;
  }
}

TEST(WindowsCommandLine, ProgramNameInQuotesMayHoldSpaces) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  fs::create_directories(folder + "/Program Files");
  std::string copy = folder + "/Program Files/argv_echo.exe";
  copyFile(Wine::get().stagePath("argv_echo.exe"), copy);
  const std::string path = Wine::windowsPath(copy);
  ProcessResult result = launch(folder, std::string("\"").append(path).append(R"(" one "two 2")"));
  ASSERT_EQ(result.exitStatus, 0) << describe(result);
  EXPECT_EQ(result.out, std::string("argc=3\n0:[").append(path).append("]\n1:[one]\n2:[two 2]\n"));
}

// inkstamp's own output shows the values it received: the server line echoes
// the -s value (which the simulator then finds in the store), and the
// invalid-user line echoes the -u value.
TEST(WindowsCommandLine, InkstampReceivesQuotedValuesIntact) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string store = folder + "/store.db";
  const std::string host = R"(fax "lab" \\srv\ 2)";
  makeWorldStore(store, {{"add-server", host, "--description", "quoted host"}});
  std::string program = Wine::windowsPath(Wine::get().stagePath("inkstamp.exe"));
  // The host on the command line: quotes and the backslashes before them
  // escaped, the other backslashes as they are.
  ProcessResult result =
      launch(folder, program + R"( -s "fax \"lab\" \\srv\ 2" -u "a b\\\"c\\" -mp "*")",
             {{"FAXSIM_STORE", Wine::windowsPath(store)}});
  expectEndedSaying(result, 3, "Server: " + host + "\n");
  EXPECT_NE(result.out.find("RightFax server: " + host + ", quoted host\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(R"(Invalid user: "a b\"c\")"
                            "\n"),
            std::string::npos)
      << result.out;
}

// '*' and '?' reach the program unchanged even where files match them. The
// variant of argv_echo that turns the runtime's expansion on shows that the
// files would have matched.
TEST(WindowsCommandLine, WildcardsAreNotExpanded) {
  REQUIRE_WINE();
  std::string folder = freshTestFolder();
  std::string files = folder + "/cwd";
  fs::create_directories(files);
  for (const char* name : {"APP1.txt", "APP2.txt", "B9"})
    writeFile(files + "/" + name, "x");
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.workingDirectory = files;
  const std::vector<std::string> patterns = {"*", "A*", "B?", "APP?.txt"};

  ProcessResult plain = runProcess(wine.command("argv_echo.exe", patterns), options);
  ASSERT_EQ(plain.exitStatus, 0) << describe(plain);
  EXPECT_EQ(afterProgramName(normalizeLineEnds(plain.out)), echoed(patterns));

  ProcessResult expanding = runProcess(wine.command("argv_echo_expanding.exe", patterns), options);
  ASSERT_EQ(expanding.exitStatus, 0) << describe(expanding);
  EXPECT_NE(normalizeLineEnds(expanding.out).find("[APP1.txt]"), std::string::npos)
      << "the runtime did not expand wildcards even when asked to, so this test shows nothing:\n"
      << expanding.out;

  // inkstamp itself, against the native program given the same literal
  // arguments: every fax matches "*", none of the files' names matter.
  std::string store = folder + "/store.db";
  makeWorldStore(store);
  std::string nativeStore = folder + "/native.db";
  copyFile(store, nativeStore);
  const std::vector<std::string> arguments = {"-s", "faxsrv", "-u", "bob", "-mv", "*", "B?"};
  ProcessResult windows = runWindows(arguments, store, "", files);
  ProcessResult native = runNative(arguments, nativeStore);
  EXPECT_EQ(windows.exitStatus, 0) << describe(windows);
  EXPECT_EQ(normalizeLineEnds(windows.out), native.out);
  EXPECT_EQ(listFaxes(store, "faxsrv", "bob"), listFaxes(nativeStore, "faxsrv", "bob"));
}
