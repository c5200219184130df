// The option loop and the options that every program on the session shares,
// the refusal of a command line and the start of a usage text.
#include "inkstamp/shared_options.h"

#include <stdio.h>
#include <string.h>

#include "rfaxprogram/exit_status.h"

namespace {

// ASCII-only case folding: the help keywords must not depend on the locale.
char foldAsciiCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(const char* text, const char* lowerCaseWord) {
  for (; *text != '\0' && *lowerCaseWord != '\0'; ++text, ++lowerCaseWord) {
    if (foldAsciiCase(*text) != *lowerCaseWord)
      return false;
  }
  return *text == *lowerCaseWord;
}

bool isHelpKeyword(const char* argument) {
  return equalsIgnoringAsciiCase(argument, "-?") || equalsIgnoringAsciiCase(argument, "-help");
}

// Takes the shared option at `argv[*index]` into `request` and moves `*index`
// past it and its value. kUnknown when it is no shared option.
OptionTake takeSharedOption(int argc, char** argv, int* index, SelectionRequest* request) {
  const char* argument = argv[*index];
  if (strcmp(argument, "-a") == 0) {
    request->mainFolderOnly = false;
  } else if (strcmp(argument, "-s") == 0 || strcmp(argument, "-u") == 0) {
    // The value is taken whatever it holds, even "-?" or "".
    if (!takeOptionValue(argc, argv, index, argument[1] == 's' ? &request->host : &request->user))
      return OptionTake::kNoValue;
  } else if (strcmp(argument, "-R") == 0) {
    request->directions |= kDirectionReceived;
  } else if (strcmp(argument, "-S") == 0) {
    request->directions |= kDirectionSent;
  } else if (strcmp(argument, "-t") == 0) {
    request->sortOrder = kSortByDate;
  } else if (strcmp(argument, "-tr") == 0) {
    request->sortOrder = kSortByDateReversed;
  } else {
    return OptionTake::kUnknown;
  }
  ++*index;
  return OptionTake::kTaken;
}

// How the loop takes the argument at `argv[*index]`, moving `*index` past
// what it takes.
OptionTake takeArgument(int argc, char** argv, int* index, SelectionRequest* request,
                        OwnOptionReader readOwnOption) {
  if (isHelpKeyword(argv[*index]))
    return OptionTake::kHelp;
  OptionTake take = takeSharedOption(argc, argv, index, request);
  return take == OptionTake::kUnknown ? readOwnOption(argc, argv, index, request) : take;
}

}  // namespace

bool takeOptionValue(int argc, char** argv, int* index, const char** value) {
  if (*index + 1 >= argc || argv[*index + 1] == nullptr)
    return false;
  ++*index;
  *value = argv[*index];
  return true;
}

CommandLineOutcome readSharedOptions(int argc, char** argv, SelectionRequest* request,
                                     OwnOptionReader readOwnOption) {
  int index = 1;
  // Options end at the first argument that does not begin with '-', the
  // empty one included; it and all after it are fax-ID patterns.
  while (index < argc && argv[index] != nullptr && argv[index][0] == '-') {
    OptionTake take = takeArgument(argc, argv, &index, request, readOwnOption);
    if (take != OptionTake::kTaken) {
      request->refusal = take;
      request->refusedArgument = index;
      return CommandLineOutcome::kUsage;
    }
  }
  request->firstPattern = index;

  if (request->directions == 0)
    request->directions = kDirectionBoth;
  if (request->host == nullptr)
    return CommandLineOutcome::kMissingHost;
  if (request->user == nullptr)
    return CommandLineOutcome::kMissingUser;
  return CommandLineOutcome::kComplete;
}

OptionTake takeAlone(const char* argument, OwnOptionReader readOwnOption,
                     SelectionRequest* scratch) {
  char* argv[] = {nullptr, const_cast<char*>(argument), nullptr};
  int index = 1;
  return takeArgument(2, argv, &index, scratch, readOwnOption);
}

void printSharedUsage(FILE* stream, const char* program, const char* operands, const char* verb,
                      const char* lowerVerb) {
  fprintf(stream, "usage:  %s [-option...] %s\n", program, operands);
  fprintf(stream, "\n");
  fprintf(stream, "Options:\n");
  fprintf(stream, "    -a          %s faxes in all folders, not just \"main\".\n", verb);
  fprintf(stream, "    -s host     RightFax server host name or IP address (required).\n");
  fprintf(stream, "    -R          %s only received faxes.\n", verb);
  fprintf(stream, "    -S          %s only sent faxes.\n", verb);
  fprintf(stream, "    -t          Sort the faxes by date.\n");
  fprintf(stream, "    -tr         Sort the faxes by date in reverse order.\n");
  fprintf(stream, "    -u user     Owner user-ID/in-box for faxes to %s (required).\n", lowerVerb);
}

int refuseCommandLine(CommandLineOutcome outcome, void (*printUsageText)(FILE* stream),
                      FILE* output) {
  if (outcome == CommandLineOutcome::kMissingHost) {
    printf("\n");
  } else if (const char* message = missingOptionMessage(outcome)) {
    printf("%s", message);
    printf("\n");
  }
  printUsageText(stdout);
  fflush(output);
  return kExitUsage;
}

const char* missingOptionMessage(CommandLineOutcome outcome) {
  switch (outcome) {
    case CommandLineOutcome::kMissingUser:
      return "Missing '-u' user-ID option.\n";
    case CommandLineOutcome::kMissingMarks:
      return "No '-m' or '-n' marking options specified.\n";
    case CommandLineOutcome::kMissingPatterns:
      return "No fax-IDs specified.\n";
    default:
      return nullptr;
  }
}
