// Command lines as the built inkstamp meets them: the refusals, and the
// version line that every run begins with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

class CommandLineTest : public WorldStoreTest {};

// A command line that the program refuses ends after the usage text with
// status 255, having asked the library for nothing but its version. Which
// command lines are refused, and with which message, the command-line
// reader's own tests show; these are the messages as the built program
// prints them.
TEST_F(CommandLineTest, RefusedCommandLinesPrintTheirMessageAndEndWith255) {
  struct Case {
    std::vector<std::string> arguments;
    std::string expected;
  };
  const Case cases[] = {
      {{}, "\n" + usage()},
      {{"-s", "faxsrv", "-HELP"}, usage()},
      {{"-s", "faxsrv", "-mp", "B0000102"}, "Missing '-u' user-ID option.\n\n" + usage()},
      {{"-s", "faxsrv", "-u", "alice", "B0000102"},
       "No '-m' or '-n' marking options specified.\n\n" + usage()},
      {{"-s", "faxsrv", "-u", "alice", "-mp"}, "No fax-IDs specified.\n\n" + usage()},
      // An empty argument is the first pattern, so no marking option comes.
      {{"-s", "faxsrv", "-u", "alice", "", "-mp"},
       "No '-m' or '-n' marking options specified.\n\n" + usage()},
      {{"-s", "faxsrv", "-u", "alice", "-np", "-mp", "B0000102"}, usage()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.out(), outputHead() + c.expected);
    EXPECT_EQ(result.status(), 255);
    EXPECT_EQ(result.trace, "RFaxGetAPIVersion() = 1228521600\n");
  }
}

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

}  // namespace
}  // namespace e2e
