// faxlist's command line against inkstamp's: with a marking option every
// command line comes to what inkstamp's comes to, without one the fax-IDs
// are optional; -o and its missing name; and the usage text, byte for byte.
#include "faxlist/list_command_line.h"

#include <stdio.h>

#include <string>

#include <gtest/gtest.h>

// inkstamp's own reader, as the independent check that the outcomes agree.
#include "inkstamp/command_line.h"
#include "support/c_string_vector.h"
#include "support/files.h"

using support::CStringVector;

namespace {

std::string describe(std::initializer_list<const char*> arguments) {
  std::string text;
  for (const char* argument : arguments)
    text += std::string(" '") + argument + "'";
  return text;
}

std::string markNames(const ListRequest& request) {
  FILE* file = tmpfile();
  EXPECT_NE(file, nullptr);
  request.marks.printNames(file);
  std::string names = support::readStream(file);
  fclose(file);
  return names;
}

TEST(ListCommandLineTest, WithMarksEveryCommandLineComesToInkstampsOutcome) {
  const std::initializer_list<const char*> cases[] = {
      {"-s", "h", "-u", "a", "-mp", "x"},
      {"-s", "h", "-u", "a", "-mp", "-mb", "-mv", "x", "y"},
      {"-s", "h", "-u", "a", "-mp"},  // no fax-ID
      {"-s", "h", "-u", "a", "-mp", "-np", "x"},
      {"-s", "h", "-u", "a", "-np", "-mb", "x"},
      {"-s", "h", "-u", "a", "-m1", "-n1", "x"},
      {"-s", "h", "-u", "a", "-mpmv", "x"},
      {"-s", "h", "-u", "a", "-mp", "-shost", "x"},
      {"-s", "h", "-mp", "x"},  // no user
      {"-u", "a", "-mp", "x"},  // no host
      {"-mp", "-s"},
      {"-s", "h", "-u", "a", "-mp", "-HELP", "x"},
      {"-s", "h", "-u", "a", "-mx", "x"},
  };
  for (const auto& arguments : cases) {
    CStringVector markArgv = CStringVector::commandLine(arguments);
    CStringVector listArgv = CStringVector::commandLine(arguments);
    RunRequest marking;
    ListRequest listing;
    EXPECT_EQ(readListCommandLine(listArgv.count(), listArgv.vector(), &listing),
              readCommandLine(markArgv.count(), markArgv.vector(), &marking))
        << describe(arguments);
  }
}

TEST(ListCommandLineTest, WithoutMarksFaxIdsAreOptionalAndNoMarksAreNamed) {
  CStringVector argv = CStringVector::commandLine({"-s", "h", "-u", "a", "-R"});
  ListRequest request;
  EXPECT_EQ(readListCommandLine(argv.count(), argv.vector(), &request),
            CommandLineOutcome::kComplete);
  EXPECT_EQ(request.firstPattern, argv.count());
  EXPECT_FALSE(request.marks.any());
  EXPECT_EQ(markNames(request), "");
}

TEST(ListCommandLineTest, MarksAreNamedInInkstampsSendingOrder) {
  CStringVector argv = CStringVector::commandLine(
      {"-s", "h", "-u", "a", "-n2", "-mb", "-m1", "-nr", "-nv", "-na", "-mp", "x"});
  ListRequest request;
  ASSERT_EQ(readListCommandLine(argv.count(), argv.vector(), &request),
            CommandLineOutcome::kComplete);
  EXPECT_EQ(markNames(request),
            "printed, not-viewed, not-approved, body-printed, held, user1-on, "
            "user2-off");
}

TEST(ListCommandLineTest, OTakesTheNextArgumentAndATrailingOneLacksItsName) {
  struct {
    std::initializer_list<const char*> arguments;
    const char* csvPath;
    bool nameMissing;
  } cases[] = {
      {{"-s", "h", "-u", "a", "-o", "x.csv", "-o", "y.csv", "p"}, "y.csv", false},
      {{"-s", "h", "-u", "a", "-o", "-mp", "p"}, "-mp", false},
      {{"-s", "h", "-u", "a", "-o"}, nullptr, true},
      {{"-s", "h", "-u", "a", "-o", "x.csv", "-o"}, nullptr, true},
  };
  for (const auto& c : cases) {
    CStringVector argv = CStringVector::commandLine(c.arguments);
    ListRequest request;
    EXPECT_EQ(readListCommandLine(argv.count(), argv.vector(), &request),
              CommandLineOutcome::kComplete)
        << describe(c.arguments);
    EXPECT_STREQ(request.csvPath, c.csvPath) << describe(c.arguments);
    EXPECT_EQ(request.csvNameMissing, c.nameMissing) << describe(c.arguments);
  }
}

TEST(ListCommandLineTest, UsageText) {
  FILE* file = tmpfile();
  ASSERT_NE(file, nullptr);
  printListUsage(file);
  EXPECT_EQ(support::readStream(file),
            "usage:  faxlist [-option...] [fax-ID...]\n"
            "\n"
            "Options:\n"
            "    -a          List faxes in all folders, not just \"main\".\n"
            "    -s host     RightFax server host name or IP address (required).\n"
            "    -R          List only received faxes.\n"
            "    -S          List only sent faxes.\n"
            "    -t          Sort the faxes by date.\n"
            "    -tr         Sort the faxes by date in reverse order.\n"
            "    -u user     Owner user-ID/in-box for faxes to list (required).\n"
            "    -o file     Also write the list to a CSV file, replaced only once complete.\n"
            "    -?, -help   Show this text.\n"
            "\n"
            "inkstamp's marking options, checked as inkstamp checks them, never sent:\n"
            "    -mp, -np, -mv, -nv, -ma, -na, -mb, -mr, -nr, -m1, -n1, -m2, -n2\n"
            "\n"
            "To preview an inkstamp command, run it with faxlist in place of inkstamp:\n"
            "it lists the faxes that the command would mark, in that order, and names\n"
            "the marks it would send; it marks nothing.\n"
            "\n"
            "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n"
            "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n"
            "characters.  Without marking options fax-IDs may be left out, and every fax\n"
            "is listed.\n"
            "\n"
            "Exit status: 0 listed, 1 no connection, 2 no server info, 3 no such user,\n"
            "4 the CSV file not written, 255 this text.\n"
            "\n");
  fclose(file);
}

}  // namespace
