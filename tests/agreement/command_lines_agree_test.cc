// faxlist's command line against inkstamp's own reader, on random argument
// vectors: as the independent check that a preview given a marking command
// comes to what inkstamp does, and that when inkstamp refuses a command line
// faxlist prints what inkstamp prints before its usage text, after one line
// whose reason belongs to the rule that fired in inkstamp. Here, above both
// programs, so that neither program's folder includes the other's own
// headers.
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "faxlist/list_command_line.h"
#include "faxlist/refusal_reason.h"
#include "inkstamp/command_line.h"
#include "support/c_string_vector.h"

using support::CStringVector;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

const int kCases = 1500;

using Random = std::mt19937;

const std::string& pick(Random& random, const std::vector<std::string>& values) {
  return values[random() % values.size()];
}

// Arguments of inkstamp's options, well and badly written, before one to
// three patterns or none; never faxlist's own -o, which inkstamp refuses.
std::vector<std::string> randomArguments(Random& random) {
  static const std::vector<std::string> kOptions = {
      "-a",  "-R",    "-S",  "-t",  "-tr", "-mp", "-np", "-mv",   "-nv",      "-ma",
      "-na", "-mb",   "-mr", "-nr", "-m1", "-n1", "-m2", "-n2",   "-mp",      "-np",
      "-mb", "-x",    "-",   "-r",  "-A",  "-MP", "-Rt", "-mpmv", "-sfaxsrv", "-uALICE",
      "-?",  "-HELP", "/?",  "",    "-s",  "-u",  "-s",  "-u"};
  static const std::vector<std::string> kValues = {"faxsrv", "alice", "-u", "", "-?", "-mp"};
  static const std::vector<std::string> kFirstPatterns = {"APP*", "'B*'", "x"};
  static const std::vector<std::string> kPatterns = {"APP*", "-R", "-mp", "list.csv"};
  std::vector<std::string> arguments;
  if (random() % 4 != 0)
    arguments.insert(arguments.end(), {"-s", "faxsrv"});
  if (random() % 4 != 0)
    arguments.insert(arguments.end(), {"-u", "alice"});
  for (int i = random() % 5; i > 0; --i) {
    const std::string& option = pick(random, kOptions);
    arguments.insert(arguments.begin() + random() % (arguments.size() + 1), option);
  }
  // A value after -s and -u now and then, wherever they stand.
  for (size_t i = 0; i < arguments.size(); ++i) {
    if ((arguments[i] == "-s" || arguments[i] == "-u") && random() % 3 != 0 &&
        (i + 1 == arguments.size() || arguments[i + 1] != "faxsrv"))
      arguments.insert(arguments.begin() + static_cast<long>(i) + 1, pick(random, kValues));
  }
  for (int i = random() % 4, first = 1; i > 0; --i, first = 0)
    arguments.push_back(pick(random, first ? kFirstPatterns : kPatterns));
  // Now and then the value of -s or -u left out at the end.
  if (random() % 16 == 0)
    arguments.push_back(random() % 2 == 0 ? "-s" : "-u");
  return arguments;
}

// What a refusal prints before its usage text.
std::string beforeUsage(const std::string& out) {
  return out.substr(0, out.find("usage:  "));
}

// The rule that fired in inkstamp, as the reason's beginning and what may
// follow it.
std::string ruleOf(CommandLineOutcome outcome, const RunRequest& request, char** argv) {
  std::string argument = outcome == CommandLineOutcome::kUsage ? argv[request.refusedArgument] : "";
  switch (outcome) {
    case CommandLineOutcome::kUsage:
      switch (request.refusal) {
        case OptionTake::kHelp:
          return "help";
        case OptionTake::kUnknown:
          return "unknown " + argument;
        case OptionTake::kNoValue:
          return argument + " needs";
        case OptionTake::kExcluded:
          return argument + " conflicts";
        default:
          return "no rule";
      }
    case CommandLineOutcome::kMissingHost:
      return "no host";
    case CommandLineOutcome::kMissingUser:
      return "no user";
    case CommandLineOutcome::kMissingPatterns:
      return "no fax-ID";
    default:
      return "no refusal";
  }
}

// Whether `reason`, the line before what inkstamp prints, gives the reason of
// `rule`.
bool givesTheReason(const std::string& reason, const std::string& rule, const char* argument) {
  const std::string kPrefix = "faxlist: inkstamp would refuse this command: ";
  if (rule == "help")
    return reason.empty();
  if (!reason.starts_with(kPrefix) || !reason.ends_with("\n"))
    return false;
  std::string text = reason.substr(kPrefix.size(), reason.size() - kPrefix.size() - 1);
  std::string named = argument != nullptr ? argument : "";
  if (rule.starts_with("unknown "))
    return text == "unknown option " + named ||
           text.starts_with(named + " is not an option; write ");
  if (rule.ends_with(" needs"))
    return text == named + (named == "-s" ? " needs a host name" : " needs a user ID");
  if (rule.ends_with(" conflicts"))
    return text.starts_with(named + " conflicts with -");
  if (rule == "no host")
    return text == "-s host is required";
  if (rule == "no user")
    return text.starts_with("-u user is required");
  return rule == "no fax-ID" && text == "a marking command needs at least one fax-ID";
}

TEST(CommandLinesAgreeTest, FaxlistRefusesWhatInkstampRefusesAndSaysWhy) {
  Random random(2026);
  std::map<std::string, int> rulesFired;
  int listedWithoutMarks = 0;
  for (int i = 0; i < kCases; ++i) {
    std::vector<std::string> arguments = randomArguments(random);
    arguments.insert(arguments.begin(), "inkstamp");
    CStringVector markArgv(arguments);
    CStringVector listArgv(arguments);
    std::string described;
    for (size_t a = 1; a < arguments.size(); ++a)
      described += " '" + arguments[a] + "'";
    SCOPED_TRACE("case " + std::to_string(i) + ":" + described);

    RunRequest marking;
    ListRequest listing;
    CommandLineOutcome marked = readCommandLine(markArgv.count(), markArgv.vector(), &marking);
    CommandLineOutcome listed = readListCommandLine(listArgv.count(), listArgv.vector(), &listing);
    if (marked == CommandLineOutcome::kMissingMarks) {
      // Without marks a preview lists every fax that the patterns select.
      EXPECT_EQ(listed, CommandLineOutcome::kComplete);
      ++listedWithoutMarks;
      continue;
    }
    ASSERT_EQ(listed, marked);
    if (marked == CommandLineOutcome::kComplete)
      continue;
    EXPECT_EQ(listing.refusal, marking.refusal);
    EXPECT_EQ(listing.refusedArgument, marking.refusedArgument);

    CaptureStdout();
    int markStatus = refuseCommandLine(marked, printUsage, stdout);
    std::string markOut = GetCapturedStdout();
    CaptureStdout();
    int listStatus = refuseListCommandLine(listed, listing, listArgv.vector(), stdout);
    std::string listOut = GetCapturedStdout();
    EXPECT_EQ(listStatus, markStatus);

    std::string inkstampsRefusal = beforeUsage(markOut);
    std::string listRefusal = beforeUsage(listOut);
    ASSERT_TRUE(listRefusal.ends_with(inkstampsRefusal)) << listOut;
    std::string reason = listRefusal.substr(0, listRefusal.size() - inkstampsRefusal.size());
    std::string rule = ruleOf(marked, marking, markArgv.vector());
    EXPECT_TRUE(givesTheReason(reason, rule,
                               marked == CommandLineOutcome::kUsage
                                   ? markArgv.vector()[marking.refusedArgument]
                                   : nullptr))
        << "rule " << rule << ", reason " << reason;
    ++rulesFired[rule.substr(0, rule.find(' ')) == "unknown" ? "unknown" : rule];
    if (HasFailure())
      return;  // one case's report is enough to go on
  }
  // The generator must reach every rule, so that none holds vacuously.
  for (const char* rule :
       {"help", "unknown", "-s needs", "-u needs", "no host", "no user", "no fax-ID"})
    EXPECT_GT(rulesFired[rule], 0) << rule;
  int conflicts = 0;
  for (const auto& [rule, count] : rulesFired)
    conflicts += rule.ends_with(" conflicts") ? count : 0;
  EXPECT_GT(conflicts, 0);
  EXPECT_GT(listedWithoutMarks, 0);
}

}  // namespace
