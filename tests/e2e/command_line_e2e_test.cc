// Command lines that inkstamp refuses or reads in unusual ways: the usage
// text, each validation message, and the run that an odd but valid command
// line makes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

// What a refused command line prints after the banner and version line.
struct RefusedCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string expected;
};

// Names the case in test listings, in place of its bytes.
void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.name;
}

const std::string kBlankAndUsage = "\n" + usage();

std::vector<RefusedCase> refusedCases() {
  return {
      {"NoArguments", {}, kBlankAndUsage},
      {"HelpKeyword", {"-?"}, usage()},
      {"HelpWord", {"-help"}, usage()},
      {"HelpWordUpperCase", {"-HELP"}, usage()},
      {"HelpWordMixedCase", {"-Help"}, usage()},
      {"HelpAfterServer", {"-s", "faxsrv", "-help"}, usage()},
      {"HelpEndsACompleteRequest",
       {"-s", "faxsrv", "-u", "alice", "-mp", "-?", "B0000102"},
       usage()},
      {"SlashHelpIsNoOption", {"/?"}, kBlankAndUsage},
      {"MissingServer", {"-u", "alice", "-mp", "B0000102"}, kBlankAndUsage},
      {"MissingUser",
       {"-s", "faxsrv", "-mp", "B0000102"},
       "Missing '-u' user-ID option.\n\n" + usage()},
      {"MissingUserIsToldBeforeMissingMarks",
       {"-s", "faxsrv"},
       "Missing '-u' user-ID option.\n\n" + usage()},
      {"NoMarkingOption",
       {"-s", "faxsrv", "-u", "alice", "B0000102"},
       "No '-m' or '-n' marking options specified.\n\n" + usage()},
      {"NoMarkingOptionIsToldBeforeNoFaxIds",
       {"-s", "faxsrv", "-u", "alice"},
       "No '-m' or '-n' marking options specified.\n\n" + usage()},
      {"NoFaxIds", {"-s", "faxsrv", "-u", "alice", "-mp"}, "No fax-IDs specified.\n\n" + usage()},
      {"EmptyArgumentEndsTheOptions",
       {"-s", "faxsrv", "-u", "alice", "", "-mp"},
       "No '-m' or '-n' marking options specified.\n\n" + usage()},
      {"ServerTakesTheNextOptionAsHost",
       {"-s", "-u", "alice"},
       "Missing '-u' user-ID option.\n\n" + usage()},
      {"ServerTakesHelpKeywordAsHost", {"-s", "-?"}, "Missing '-u' user-ID option.\n\n" + usage()},
      {"ServerWithoutValue", {"-s"}, usage()},
      {"ServerWithoutValueAfterUser", {"-u", "alice", "-s"}, usage()},
      {"UserWithoutValue", {"-s", "faxsrv", "-u"}, usage()},
      {"ServerJoinedToHost", {"-sfaxsrv", "-u", "alice", "-mp", "B0000102"}, usage()},
      {"JoinedMarkingOptions", {"-s", "faxsrv", "-u", "alice", "-mpmv", "B0000102"}, usage()},
      {"LowerCaseReceived", {"-s", "faxsrv", "-u", "alice", "-mp", "-r", "B0000102"}, usage()},
      {"UpperCaseAll", {"-s", "faxsrv", "-u", "alice", "-mp", "-A", "B0000102"}, usage()},
      {"DoubleDashHelp", {"--help"}, usage()},
      {"LoneDash", {"-s", "faxsrv", "-u", "alice", "-mp", "-", "B0000102"}, usage()},
      {"RefusedOptionBeforeAnythingIsMissing", {"-mp", "-np"}, usage()},
  };
}

class RefusedCommandLineTest : public WorldStoreTest,
                               public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCommandLineTest, PrintsUsageAndEndsWith255WithoutConnecting) {
  ProgramRun result = run(GetParam().arguments);
  EXPECT_EQ(result.out(), outputHead() + GetParam().expected);
  EXPECT_EQ(result.status(), 255);
  EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n");
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RefusedCommandLineTest, ::testing::ValuesIn(refusedCases()),
                         caseName<RefusedCase>);

// Each marking option is refused after the one it conflicts with, whatever
// the order; the rest of an otherwise complete request changes nothing.
struct Conflict {
  const char* first;
  const char* second;
};

void PrintTo(const Conflict& c, std::ostream* os) {
  *os << c.first << ' ' << c.second;
}

class ConflictingMarksTest : public WorldStoreTest,
                             public ::testing::WithParamInterface<Conflict> {};

TEST_P(ConflictingMarksTest, SecondOptionIsRefused) {
  auto [first, second] = GetParam();
  for (auto [a, b] : {std::pair(first, second), std::pair(second, first)}) {
    SCOPED_TRACE(std::string(a) + " then " + b);
    ProgramRun result = run({"-s", "faxsrv", "-u", "alice", a, b, "B0000102"});
    EXPECT_EQ(result.out(), outputHead() + usage());
    EXPECT_EQ(result.status(), 255);
  }
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ConflictingMarksTest,
                         ::testing::Values(Conflict{"-mp", "-np"}, Conflict{"-mb", "-np"},
                                           Conflict{"-mv", "-nv"}, Conflict{"-ma", "-na"},
                                           Conflict{"-mr", "-nr"}, Conflict{"-m1", "-n1"},
                                           Conflict{"-m2", "-n2"}),
                         [](const auto& info) {
                           return std::string(info.param.first + 1) + "_" + (info.param.second + 1);
                         });

class CommandLineTest : public WorldStoreTest {};

// The version line shows the library's version as a UTC time, whatever the
// time zone of the machine that runs the program.
TEST_F(CommandLineTest, VersionLineShowsTheLibraryVersionInUtc) {
  struct Case {
    const char* apiVersion;
    const char* shown;
  };
  for (const Case& c :
       {Case{"0", "01/01/1970 00:00:00Z"}, Case{"951825600", "02/29/2000 12:00:00Z"},
        Case{"2147483647", "01/19/2038 03:14:07Z"}}) {
    SCOPED_TRACE(c.apiVersion);
    ASSERT_TRUE(store_.faxsim({"set-setting", "api_version", c.apiVersion}));
    for (const char* zone : {"UTC0", "JST-9", "EST5EDT"}) {
      SCOPED_TRACE(zone);
      ProgramRun result = runAgainst(store_, {}, {{"TZ", zone}});
      EXPECT_EQ(result.out(), outputHead(c.shown) + "\n" + usage());
      EXPECT_EQ(result.status(), 255);
    }
  }
}

TEST_F(CommandLineTest, LaterServerOptionIsTheOneConnectedTo) {
  ProgramRun result = run({"-s", "nohost", "-s", "faxsrv", "-u", "alice", "-mp", "B0000102"});
  EXPECT_EQ(result.out(), worldRun(worldB0000102Pass()));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxCreateServerHandle"),
            "RFaxCreateServerHandle(\"faxsrv\", 4) = 1\n");
}

// After the first pattern every argument is a pattern, even one that reads
// like an option: here -mv names a fax and marks nothing as viewed.
TEST_F(CommandLineTest, OptionAfterTheFirstPatternIsAPattern) {
  ASSERT_TRUE(store_.faxsim({"add-fax", "faxsrv", "ALICE", "--handle", "106", "--", "-mv"}));
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "B0000102", "-mv"});
  EXPECT_EQ(result.out(), worldRun(markingPass(markedInTurn({"B0000102", "-mv"}),
                                               "faxes:2 marked:2 failed:0 skipped:3 total:5\n"
                                               "recv:1 sent:1 viewed:0 pages:3 errs:0\n")));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "InkStampFax"),
            "InkStampFax(1, 102, 3) = 0\n"
            "InkStampFax(1, 106, 3) = 0\n");
  EXPECT_EQ(store_.marks("-mv"), "printed");
}

// "/?" is no help request once it follows a complete request: it is a
// pattern, and here one that no fax ID matches.
TEST_F(CommandLineTest, SlashHelpAfterACompleteRequestIsAPattern) {
  ProgramRun result = run({"-s", "faxsrv", "-u", "alice", "-mp", "/?"});
  EXPECT_EQ(result.out(), worldRun(markingPass("",
                                               "faxes:0 marked:0 failed:0 skipped:4 total:4\n"
                                               "recv:0 sent:0 viewed:0 pages:0 errs:0\n")));
  EXPECT_EQ(result.status(), 0);
}

}  // namespace
}  // namespace e2e
