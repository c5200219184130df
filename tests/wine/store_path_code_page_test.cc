// Store paths that only the ANSI code page can hold: a folder named with a
// character of code page 1250 ("Ł") or of code page 932 ("表計算", and "表",
// whose second byte is 0x5C, a backslash in any single-byte reading). Wine
// takes the code page from LC_ALL, and reads the Unix environment and file
// names in that locale's character set; without the locale it strips the high
// bit of every byte, so the locales are made for the tests with localedef from
// Debian's locales package, in the architecture's scratch space, without
// root.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace fs = std::filesystem;

namespace {

struct CodePage {
  const char* locale;      // the Unix locale that gives it, without ".UTF-8"
  const char* folder;      // a folder name only it holds, in UTF-8
  const char* folderAnsi;  // the same in the code page
  const char* faxId;       // a fax ID with its characters, in UTF-8
  const char* faxIdAnsi;
};

const CodePage kCentralEuropean = {"pl_PL", "\xC5\x81ukasz", "\xA3ukasz",
                                   "\xC5\x81"
                                   "1",
                                   "\xA3"
                                   "1"};
// 表計算/表 and 表1 in UTF-8 and in Shift-JIS.
const CodePage kJapanese = {"ja_JP", "\xE8\xA1\xA8\xE8\xA8\x88\xE7\xAE\x97/\xE8\xA1\xA8",
                            "\x95\x5C\x8C\x76\x8E\x5A\\\x95\x5C",
                            "\xE8\xA1\xA8"
                            "1",
                            "\x95\x5C"
                            "1"};

// The folder of compiled locales (LOCPATH) holding `locale`.UTF-8, made on
// first use; "" with `*reason` when it can't be made here.
std::string localeFolder(const char* locale, std::string* reason) {
  const std::string folder = Wine::get().work + "/locales";
  const std::string name = std::string(locale) + ".UTF-8";
  if (fs::exists(folder + "/" + name + "/LC_CTYPE"))
    return folder;
  if (!fs::exists(std::string("/usr/share/i18n/locales/") + locale)) {
    *reason = std::string("no locale source for ") + locale +
              " (install Debian's locales package): Wine can't be given its code page";
    return {};
  }
  // Made beside the folder and moved in whole, so that a test running at the
  // same time never sees half a locale.
  const std::string staging = freshTestFolder() + "/" + name;
  ProcessResult made =
      runProcess({"localedef", "-i", locale, "-f", "UTF-8", staging}, nativeOptions());
  if (made.exitStatus != 0 && !fs::exists(staging + "/LC_CTYPE")) {
    *reason = "localedef could not make " + name + ": " + made.describe();
    return {};
  }
  std::error_code ignored;
  fs::create_directories(folder, ignored);
  fs::rename(staging, folder + "/" + name, ignored);
  return folder;
}

// Wine's environment for `codePage`, or an empty list with `*reason`.
std::vector<EnvSetting> codePageEnvironment(const CodePage& codePage, std::string* reason) {
  std::string locales = localeFolder(codePage.locale, reason);
  if (locales.empty())
    return {};
  return {{"LOCPATH", locales}, {"LC_ALL", std::string(codePage.locale) + ".UTF-8"}};
}

ProcessResult runUnder(const std::vector<EnvSetting>& env, const std::string& program,
                       const std::vector<std::string>& arguments) {
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.env.insert(options.env.end(), env.begin(), env.end());
  ProcessResult result = runProcess(wine.command(program, arguments), options);
  result.out = normalizeLineEnds(result.out);
  return result;
}

// A line of cmd.exe that sets LOCALAPPDATA, in the Windows environment that
// Wine would otherwise fill from the prefix, and runs `program` of the stage
// with `arguments`.
std::vector<std::string> underLocalAppData(const std::string& localAppData,
                                           const std::string& program,
                                           const std::string& arguments) {
  return {Wine::get().loader, "cmd", "/c",
          "set LOCALAPPDATA=" + Wine::windowsPath(localAppData) + "&& " +
              Wine::windowsPath(Wine::get().stagePath(program)) + " " + arguments};
}

}  // namespace

TEST(WindowsStorePaths, StoreInAFolderOnlyTheCodePageHolds) {
  REQUIRE_WINE();
  for (const CodePage& codePage : {kCentralEuropean, kJapanese}) {
    SCOPED_TRACE(codePage.locale);
    std::string reason;
    std::vector<EnvSetting> env = codePageEnvironment(codePage, &reason);
    if (env.empty())
      GTEST_SKIP() << reason;
    const std::string store = freshTestFolder() + "/" + codePage.folder + "/s.db";
    env.push_back({"FAXSIM_STORE", Wine::windowsPath(store)});
    env.push_back({"FAXSIM_TRACE", std::nullopt});

    ProcessResult created = runUnder(env, "faxsim.exe", {"create"});
    ASSERT_EQ(created.exitStatus, 0) << describe(created);
    // The path in the code page's bytes: Wine runs in that code page.
    ASSERT_NE(created.out.find(codePage.folderAnsi), std::string::npos) << created.out;
    for (const std::vector<std::string>& fill : {std::vector<std::string>{"add-server", "faxsrv"},
                                                 {"add-user", "faxsrv", "ALICE"},
                                                 {"add-fax", "faxsrv", "ALICE", codePage.faxId}}) {
      ProcessResult filled = runUnder(env, "faxsim.exe", fill);
      ASSERT_EQ(filled.exitStatus, 0) << describe(filled);
    }
    ProcessResult marked =
        runUnder(env, "inkstamp.exe", {"-s", "faxsrv", "-u", "alice", "-mp", "*"});
    expectEndedSaying(marked, 0, std::string("1/1 ") + codePage.faxIdAnsi + "\n  -> marked\n");

    // The store is where its name says, and holds the mark.
    EXPECT_FALSE(fs::exists(store + ".faxsim-new"));
    const std::string listed = listFaxes(store, "faxsrv", "alice");
    const size_t line = listed.find(codePage.faxIdAnsi);
    ASSERT_NE(line, std::string::npos) << listed;
    // The MARKS column (VPBAH12): printed alone, as -mp left it.
    const std::string row = listed.substr(line, listed.find('\n', line) - line);
    EXPECT_TRUE(row.ends_with("  -P-----")) << listed;
  }
}

// The default store is found through LOCALAPPDATA as the wide environment
// holds it; one that the code page can't hold is refused, where its narrow
// form ("Ωx" as "Ox" or "?x") would have named another folder, or none.
TEST(WindowsStorePaths, LocalAppDataIsReadInItsWideForm) {
  REQUIRE_WINE();
  std::string reason;
  std::vector<EnvSetting> env = codePageEnvironment(kCentralEuropean, &reason);
  if (env.empty())
    GTEST_SKIP() << reason;
  env.push_back({"FAXSIM_STORE", std::nullopt});
  const std::string folder = freshTestFolder();
  const Wine& wine = Wine::get();
  ProcessOptions options = wine.options();
  options.env.insert(options.env.end(), env.begin(), env.end());

  const std::string held = folder + "/" + kCentralEuropean.folder;
  ProcessResult created = runProcess(underLocalAppData(held, "faxsim.exe", "create"), options);
  EXPECT_EQ(created.exitStatus, 0) << describe(created);
  EXPECT_TRUE(fs::exists(held + "/faxsim/store.db")) << describe(created);

  // Ω is in neither code page 1250 nor 1252.
  const std::string lacking = folder + "/\xCE\xA9x";
  ProcessResult refused = runProcess(underLocalAppData(lacking, "faxsim.exe", "create"), options);
  expectEndedSaying(refused, 1,
                    "faxsim: no store given and LOCALAPPDATA has a character that the ANSI code "
                    "page can't represent",
                    Stream::kErr);
  // The library says so once, where it first looks for the store: for the
  // API version that every run prints.
  ProcessResult usage = runProcess(underLocalAppData(lacking, "inkstamp.exe", "-?"), options);
  expectEndedSaying(usage, 255,
                    "\" has a character that the ANSI code page can't represent: no store\n",
                    Stream::kErr);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// faxsim.exe's help, asked for as Windows programs are asked too, names the
// Windows places: the default store under %LOCALAPPDATA% (also for --store),
// the HTML manual beside the program; and it says that the sleep scale does
// nothing there.
TEST(WindowsStorePaths, FaxsimHelpNamesTheWindowsPlaces) {
  REQUIRE_WINE();
  ProcessResult help = runUnder({}, "faxsim.exe", {"--help"});
  ASSERT_EQ(help.exitStatus, 0) << describe(help);
  for (const char* named : {"%LOCALAPPDATA%\\faxsim\\store.db).", "faxsim.html", "POSIX only"})
    EXPECT_NE(help.out.find(named), std::string::npos) << named << "\n" << help.out;
  for (const char* foreign : {"XDG_DATA_HOME", ".local", "man faxsim", "$FAXSIM_STORE"})
    EXPECT_EQ(help.out.find(foreign), std::string::npos) << foreign << "\n" << help.out;
  ProcessResult slashQuestion = runUnder({}, "faxsim.exe", {"/?"});
  EXPECT_EQ(slashQuestion.exitStatus, 0) << describe(slashQuestion);
  EXPECT_EQ(slashQuestion.out, help.out);
}
