#include "inkstamp/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/c_string_vector.h"

using support::CStringVector;

namespace {

// An argument vector as the platform hands it over: the program's name, the
// arguments, a null entry.

std::string describe(std::initializer_list<const char*> arguments) {
  std::string text;
  for (const char* argument : arguments)
    text += std::string(" '") + argument + "'";
  return text;
}

// Command lines that end in the usage text alone.
TEST(CommandLineTest, RefusedCommandLinesAskForTheUsageText) {
  const std::initializer_list<const char*> cases[] = {
      // Help keywords, in any letter case, anywhere among the options.
      {"-?"},
      {"-help"},
      {"-HELP"},
      {"-Help"},
      {"-s", "host", "-?"},
      {"-s", "host", "-u", "alice", "-mp", "-hElP", "fax"},
      {"-help", "-s"},
      // Conflicting marks; the second one is refused.
      {"-mp", "-np"},
      {"-np", "-mp"},
      {"-mb", "-np"},
      {"-np", "-mb"},
      {"-mv", "-nv"},
      {"-nv", "-mv"},
      {"-ma", "-na"},
      {"-na", "-ma"},
      {"-mr", "-nr"},
      {"-nr", "-mr"},
      {"-m1", "-n1"},
      {"-n1", "-m1"},
      {"-m2", "-n2"},
      {"-n2", "-m2"},
      // A value option with nothing after it.
      {"-s"},
      {"-u"},
      {"-s", "host", "-u"},
      // Unknown: options are whole arguments, compared case-sensitively.
      {"-shost"},
      {"-mpmv"},
      {"-r"},
      {"-A"},
      {"-T"},
      {"-m"},
      {"-mx"},
      {"-"},
      {"--help"},
      {"-help2"},
      {"-s", "host", "-u", "alice", "-mp", "-x", "fax"},
  };
  for (const auto& arguments : cases) {
    CStringVector argv = CStringVector::commandLine(arguments);
    RunRequest request;
    EXPECT_EQ(readCommandLine(argv.count(), argv.vector(), &request), CommandLineOutcome::kUsage)
        << describe(arguments);
  }
}

struct RequestCase {
  std::initializer_list<const char*> arguments;
  CommandLineOutcome outcome;
  const char* host;
  const char* user;
  MarkSet marks;
  DirectionFilter directions;
  SortOrder sortOrder;
  bool mainFolderOnly;
  const char* firstPattern;  // null: the index is the argument count
};

const CommandLineOutcome kComplete = CommandLineOutcome::kComplete;
const CommandLineOutcome kNoHost = CommandLineOutcome::kMissingHost;
const CommandLineOutcome kNoUser = CommandLineOutcome::kMissingUser;
const CommandLineOutcome kNoMarks = CommandLineOutcome::kMissingMarks;
const CommandLineOutcome kNoPatterns = CommandLineOutcome::kMissingPatterns;

// clang-format off
const RequestCase kRequestCases[] = {
    {{}, kNoHost, nullptr, nullptr, 0, 3, 0, true, nullptr},
    // "/?" is no option: it ends the options and is the first pattern.
    {{"/?"}, kNoHost, nullptr, nullptr, 0, 3, 0, true, "/?"},
    {{"-s", "h", "-u", "a", "-mp", "/?"}, kComplete, "h", "a", 0x1, 3, 0, true, "/?"},
    // A value is taken whatever it holds.
    {{"-s", "-u", "word"}, kNoUser, "-u", nullptr, 0, 3, 0, true, "word"},
    {{"-s", "-?", "-u", "a", "-mp", "x"}, kComplete, "-?", "a", 0x1, 3, 0, true, "x"},
    {{"-s", "", "-u", "", "-mv", "x"}, kComplete, "", "", 0x4, 3, 0, true, "x"},
    // Options end at the first pattern; later options are patterns too.
    {{"-s", "h", "-u", "a", "-mp", "x", "-mv"}, kComplete, "h", "a", 0x1, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-mp", "", "-mv"}, kComplete, "h", "a", 0x1, 3, 0, true, ""},
    // Directions, sort order, folders; the last host and user win.
    {{"-s", "h", "-u", "a", "-R", "-S", "-mp", "x"}, kComplete, "h", "a", 0x1, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-R", "-mp", "x"}, kComplete, "h", "a", 0x1, 1, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-S", "-mp", "x"}, kComplete, "h", "a", 0x1, 2, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-t", "-tr", "-mp", "x"}, kComplete, "h", "a", 0x1, 3, 2, true, "x"},
    {{"-s", "h", "-u", "a", "-tr", "-t", "-mp", "x"}, kComplete, "h", "a", 0x1, 3, 1, true, "x"},
    {{"-s", "h", "-u", "a", "-a", "-mp", "x"}, kComplete, "h", "a", 0x1, 3, 0, false, "x"},
    {{"-s", "h", "-u", "a", "-s", "i", "-u", "b", "-mp", "x"}, kComplete, "i", "b", 0x1, 3, 0, true, "x"},
    // Marks that go together, and a mark given twice.
    {{"-s", "h", "-u", "a", "-mp", "-mb", "x"}, kComplete, "h", "a", 0x101, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-mp", "-mp", "x"}, kComplete, "h", "a", 0x1, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-mp", "-mb", "-mv", "-ma", "-mr", "-m1", "-m2", "x", "y"},
     kComplete, "h", "a", 0x1555, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "-np", "-nv", "-na", "-nr", "-n1", "-n2", "x"},
     kComplete, "h", "a", 0x28AA, 3, 0, true, "x"},
    // What is missing is told in this order: host, user, marks, patterns.
    {{"-u", "a", "-mp", "x"}, kNoHost, nullptr, "a", 0x1, 3, 0, true, "x"},
    {{"-s", "h", "-mp", "x"}, kNoUser, "h", nullptr, 0x1, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a", "x"}, kNoMarks, "h", "a", 0, 3, 0, true, "x"},
    {{"-s", "h", "-u", "a"}, kNoMarks, "h", "a", 0, 3, 0, true, nullptr},
    {{"-s", "h", "-u", "a", "-mp"}, kNoPatterns, "h", "a", 0x1, 3, 0, true, nullptr},
};
// clang-format on

TEST(CommandLineTest, ReadsTheRequest) {
  for (const RequestCase& c : kRequestCases) {
    SCOPED_TRACE(describe(c.arguments));
    CStringVector argv = CStringVector::commandLine(c.arguments);
    RunRequest request;
    ASSERT_EQ(readCommandLine(argv.count(), argv.vector(), &request), c.outcome);
    EXPECT_STREQ(request.host, c.host);
    EXPECT_STREQ(request.user, c.user);
    EXPECT_EQ(request.marks, c.marks);
    EXPECT_EQ(request.directions, c.directions);
    EXPECT_EQ(request.sortOrder, c.sortOrder);
    EXPECT_EQ(request.mainFolderOnly, c.mainFolderOnly);
    ASSERT_LE(request.firstPattern, argv.count());
    if (c.firstPattern == nullptr) {
      EXPECT_EQ(request.firstPattern, argv.count());
    } else {
      EXPECT_STREQ(argv.vector()[request.firstPattern], c.firstPattern);
    }
  }
}

TEST(CommandLineTest, EachMarkingOptionSetsItsBit) {
  const struct {
    const char* option;
    MarkSet mark;
  } options[] = {
      {"-mp", 0x0001}, {"-np", 0x0002}, {"-mv", 0x0004}, {"-nv", 0x0008}, {"-ma", 0x0010},
      {"-na", 0x0020}, {"-mr", 0x0040}, {"-nr", 0x0080}, {"-mb", 0x0100}, {"-m1", 0x0400},
      {"-n1", 0x0800}, {"-m2", 0x1000}, {"-n2", 0x2000},
  };
  for (const auto& option : options) {
    CStringVector argv = CStringVector::commandLine({"-s", "h", "-u", "a", option.option, "x"});
    RunRequest request;
    ASSERT_EQ(readCommandLine(argv.count(), argv.vector(), &request), kComplete) << option.option;
    EXPECT_EQ(request.marks, option.mark) << option.option;
  }
}

TEST(CommandLineTest, NoticesAMissingPatternWhenTheVectorEndsEarly) {
  // A vector whose null entry comes before the count says.
  char host[] = "h", user[] = "a", mark[] = "-mp", s[] = "-s", u[] = "-u", name[] = "inkstamp";
  char* argv[] = {name, s, host, u, user, mark, nullptr, nullptr};
  RunRequest request;
  EXPECT_EQ(readCommandLine(7, argv, &request), kNoPatterns);
}

}  // namespace
