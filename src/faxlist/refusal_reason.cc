// The reasons for each refusal of the option loop and of the checks that
// follow it.
#include "faxlist/refusal_reason.h"

#include <ctype.h>
#include <string.h>

#include <algorithm>
#include <string>

namespace {

// Options are a few letters long; a longer argument is no run of them worth
// taking apart, and a hostile one must not cost time.
const size_t kLongestOption = 4;
const size_t kLongestRun = 40;

// Writes `body` (an argument without its '-') as the options that it runs
// together into `split`, each with a space before it: "mpmv" is " -mp -mv",
// and an option that takes a value takes the rest ("sfaxsrv" is
// " -s faxsrv"). Returns how many options it holds, 0 when it is no such run.
int splitRunTogether(const std::string& body, std::string* split) {
  for (size_t length = std::min(body.size(), kLongestOption); length > 0; --length) {
    std::string option = "-" + body.substr(0, length);
    std::string rest = body.substr(length);
    OptionTake take = takeListOptionAlone(option.c_str());
    if (take == OptionTake::kNoValue && !rest.empty()) {
      *split = " " + option + " " + rest;
      return 1;
    }
    if (take != OptionTake::kTaken)
      continue;
    if (rest.empty()) {
      *split = " " + option;
      return 1;
    }
    std::string tail;
    if (int count = splitRunTogether(rest, &tail); count > 0) {
      *split = " " + option + tail;
      return count + 1;
    }
  }
  return 0;
}

// The option that `argument` is when letters' case is changed ("-r" is
// "-R"), or "" when none is. Only short arguments are tried, as options are.
std::string optionInOtherCase(const char* argument) {
  size_t length = strlen(argument);
  if (length > kLongestOption + 1)
    return "";
  for (unsigned flips = 1; flips < (1u << length); ++flips) {
    std::string variant = argument;
    for (size_t i = 0; i < length; ++i) {
      if ((flips & (1u << i)) != 0 && isalpha(static_cast<unsigned char>(variant[i])))
        variant[i] = static_cast<char>(variant[i] ^ 0x20);
    }
    if (variant != argument && takeListOptionAlone(variant.c_str()) != OptionTake::kUnknown)
      return variant;
  }
  return "";
}

void printUnknownOption(FILE* stream, const char* argument) {
  std::string split;
  if (strlen(argument) <= kLongestRun && splitRunTogether(argument + 1, &split) > 0) {
    fprintf(stream, "%s is not an option; write%s\n", argument, split.c_str());
    return;
  }
  std::string other = optionInOtherCase(argument);
  if (!other.empty()) {
    fprintf(stream, "%s is not an option; write %s (options are case-sensitive)\n", argument,
            other.c_str());
    return;
  }
  fprintf(stream, "unknown option %s\n", argument);
}

// The refusals of the option loop.
void printLoopRefusal(FILE* stream, const ListRequest& request, const char* argument) {
  switch (request.refusal) {
    case OptionTake::kUnknown:
      printUnknownOption(stream, argument);
      break;
    case OptionTake::kNoValue:
      // Only -s and -u are refused for a missing value; faxlist's -o
      // reports its own.
      fprintf(stream, "%s needs %s\n", argument,
              strcmp(argument, "-s") == 0 ? "a host name" : "a user ID");
      break;
    case OptionTake::kExcluded:
      fprintf(stream, "%s conflicts with ", argument);
      request.marks.printExcluders(stream, argument);
      fprintf(stream, "\n");
      break;
    default:
      break;
  }
}

}  // namespace

void printRefusalReason(FILE* stream, CommandLineOutcome outcome, const ListRequest& request,
                        char** argv) {
  if (outcome == CommandLineOutcome::kComplete ||
      (outcome == CommandLineOutcome::kUsage && request.refusal == OptionTake::kHelp))
    return;
  fprintf(stream, "faxlist: inkstamp would refuse this command: ");
  switch (outcome) {
    case CommandLineOutcome::kUsage:
      printLoopRefusal(stream, request, argv[request.refusedArgument]);
      break;
    case CommandLineOutcome::kMissingHost:
      fprintf(stream, "-s host is required\n");
      break;
    case CommandLineOutcome::kMissingUser:
      // "-s -u alice" takes -u as the host name.
      if (takeListOptionAlone(request.host) != OptionTake::kUnknown) {
        fprintf(stream, "-u user is required; -s took %s as its host name\n", request.host);
      } else {
        fprintf(stream, "-u user is required\n");
      }
      break;
    default:
      fprintf(stream, "a marking command needs at least one fax-ID\n");
      break;
  }
}

int refuseListCommandLine(CommandLineOutcome outcome, const ListRequest& request, char** argv,
                          FILE* output) {
  printRefusalReason(stdout, outcome, request, argv);
  return refuseCommandLine(outcome, printListUsage, output);
}
