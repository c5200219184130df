// What faxlist says about a command: the reason for each kind of refusal, the
// warnings about late options and quoted patterns, and each pattern's count,
// each warning on both streams. (That every refusal's reason matches the
// rule that fired in inkstamp is tested in tests/agreement.)
#include "faxlist/command_notes.h"

#include <stdio.h>

#include <string>

#include <gtest/gtest.h>

#include "faxlist/refusal_reason.h"
#include "support/c_string_vector.h"
#include "support/files.h"

using support::CStringVector;

namespace {

// Two temporary streams, read back as text.
struct Streams {
  FILE* output = tmpfile();
  FILE* errors = tmpfile();
  ~Streams() {
    fclose(output);
    fclose(errors);
  }
};

TEST(RefusalReasonTest, NamesTheArgumentAndWhatIsWrongWithIt) {
  const struct {
    std::initializer_list<const char*> arguments;
    const char* reason;  // after "faxlist: inkstamp would refuse this command: "
  } cases[] = {
      {{"-s", "h", "-x"}, "unknown option -x"},
      {{"-"}, "unknown option -"},
      {{"-s", "h", "-u", "a", "-mpmv", "x"}, "-mpmv is not an option; write -mp -mv"},
      {{"-Rtr"}, "-Rtr is not an option; write -R -tr"},
      {{"-sfaxsrv"}, "-sfaxsrv is not an option; write -s faxsrv"},
      {{"-aualice"}, "-aualice is not an option; write -a -u alice"},
      {{"-r"}, "-r is not an option; write -R (options are case-sensitive)"},
      {{"-MP"}, "-MP is not an option; write -mp (options are case-sensitive)"},
      {{"-np", "-mp"}, "-mp conflicts with -np"},
      {{"-mb", "-mp", "-np"}, "-np conflicts with -mp and -mb"},
      {{"-u", "a", "-s"}, "-s needs a host name"},
      {{"-s", "h", "-u"}, "-u needs a user ID"},
      {{"-u", "a", "-mp", "x"}, "-s host is required"},
      {{"-s", "h", "-R"}, "-u user is required"},
      {{"-s", "-u", "a"}, "-u user is required; -s took -u as its host name"},
      {{"-s", "h", "-u", "a", "-mv"}, "a marking command needs at least one fax-ID"},
  };
  for (const auto& c : cases) {
    CStringVector argv = CStringVector::commandLine(c.arguments);
    ListRequest request;
    CommandLineOutcome outcome = readListCommandLine(argv.count(), argv.vector(), &request);
    Streams streams;
    printRefusalReason(streams.output, outcome, request, argv.vector());
    EXPECT_EQ(support::readStream(streams.output),
              std::string("faxlist: inkstamp would refuse this command: ") + c.reason + "\n")
        << support::describeArguments(c.arguments);
  }
}

TEST(RefusalReasonTest, HelpAndACompleteCommandHaveNone) {
  for (auto arguments : {std::initializer_list<const char*>{"-s", "h", "-Help"},
                         std::initializer_list<const char*>{"-s", "h", "-u", "a"}}) {
    CStringVector argv = CStringVector::commandLine(arguments);
    ListRequest request;
    CommandLineOutcome outcome = readListCommandLine(argv.count(), argv.vector(), &request);
    Streams streams;
    printRefusalReason(streams.output, outcome, request, argv.vector());
    EXPECT_EQ(support::readStream(streams.output), "") << support::describeArguments(arguments);
  }
}

// The warnings of a complete command line, on standard output and on
// standard error alike.
std::string warningsOf(std::initializer_list<const char*> arguments) {
  CStringVector argv = CStringVector::commandLine(arguments);
  ListRequest request;
  EXPECT_EQ(readListCommandLine(argv.count(), argv.vector(), &request),
            CommandLineOutcome::kComplete);
  Streams streams;
  printCommandWarnings(streams.output, streams.errors, request, argv.vector());
  std::string errors = support::readStream(streams.errors);
  std::string output = support::readStream(streams.output);
  EXPECT_EQ(output, errors.empty() ? "" : errors + "\n") << support::describeArguments(arguments);
  return errors;
}

TEST(CommandWarningsTest, OptionsAfterThePatternsAndQuotedPatternsAreNamed) {
  EXPECT_EQ(warningsOf({"-s", "h", "-u", "a", "-mp", "APP*", "B-*", "-mpmv", "'", "-x"}), "");
  EXPECT_EQ(warningsOf({"-s", "h", "-u", "a", "-mp", "APP*", "-R", "-help", "-s"}),
            "faxlist: warning: inkstamp takes -R as a fax-ID pattern, not as an option: options "
            "go before the patterns\n"
            "faxlist: warning: inkstamp takes -help as a fax-ID pattern, not as an option: "
            "options go before the patterns\n"
            "faxlist: warning: inkstamp takes -s as a fax-ID pattern, not as an option: options "
            "go before the patterns\n");
  EXPECT_EQ(warningsOf({"-s", "h", "-u", "a", "'APP*'", "-o", "list.csv"}),
            "faxlist: warning: the pattern 'APP*' includes its single quotes (cmd.exe keeps "
            "them); without them it is APP*\n"
            "faxlist: warning: inkstamp takes -o as a fax-ID pattern, not as an option: options "
            "go before the patterns; no CSV file is written\n");
  // A CSV file named before the patterns is still written.
  EXPECT_EQ(warningsOf({"-s", "h", "-u", "a", "-o", "a.csv", "''", "-o"}),
            "faxlist: warning: the pattern '' includes its single quotes (cmd.exe keeps them); "
            "without them it is \n"
            "faxlist: warning: inkstamp takes -o as a fax-ID pattern, not as an option: options "
            "go before the patterns\n");
}

TEST(PatternCountsTest, EachPatternsCountAndAWarningForOneThatMatchedNothing) {
  CStringVector patterns({"APP*", "B*", "NOSUCH"});
  const int32_t counts[] = {4, 1, 0};
  Streams streams;
  printPatternCounts(streams.output, streams.errors, patterns.vector(), counts);
  EXPECT_EQ(support::readStream(streams.output),
            "pattern APP*: 4 faxes\n"
            "pattern B*: 1 fax\n"
            "faxlist: warning: the pattern NOSUCH matched no fax\n");
  EXPECT_EQ(support::readStream(streams.errors),
            "faxlist: warning: the pattern NOSUCH matched no fax\n");
}

// Both streams on one terminal or in one file (2>&1) would show each warning
// twice: there it shows once, in its place among the other lines.
TEST(PatternCountsTest, AWarningShowsOnceWhereBothStreamsReachOnePlace) {
  CStringVector patterns({"APP*", "NOSUCH"});
  const int32_t counts[] = {4, 0};
  FILE* both = tmpfile();
  printPatternCounts(both, both, patterns.vector(), counts);
  EXPECT_EQ(support::readStream(both),
            "pattern APP*: 4 faxes\n"
            "faxlist: warning: the pattern NOSUCH matched no fax\n");
  fclose(both);
}

}  // namespace
