// The option loop, the request checks and the usage text of inkstamp; the
// loop and the shared options serve faxlist as well.
#include "inkstamp/command_line.h"

#include <stdio.h>
#include <string.h>

#include "rfaxprogram/exit_status.h"

namespace {

// A marking option, its bit and the bits that exclude it.
struct MarkOption {
  const char* name;
  MarkSet mark;
  MarkSet refusedWith;
};

// The printed and body-printed marks may go together; each of them excludes
// the not-printed mark. Every other mark excludes only its opposite.
const MarkOption kMarkOptions[] = {
    {"-m1", kMarkUser1On, kMarkUser1Off},
    {"-n1", kMarkUser1Off, kMarkUser1On},
    {"-m2", kMarkUser2On, kMarkUser2Off},
    {"-n2", kMarkUser2Off, kMarkUser2On},
    {"-ma", kMarkApproved, kMarkNotApproved},
    {"-na", kMarkNotApproved, kMarkApproved},
    {"-mb", kMarkBodyPrinted, kMarkNotPrinted},
    {"-mp", kMarkPrinted, kMarkNotPrinted},
    {"-np", kMarkNotPrinted, kMarkPrinted | kMarkBodyPrinted},
    {"-mr", kMarkReleased, kMarkHeld},
    {"-nr", kMarkHeld, kMarkReleased},
    {"-mv", kMarkViewed, kMarkNotViewed},
    {"-nv", kMarkNotViewed, kMarkViewed},
};

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

// Takes a marking option into the request's mark set.
bool readMarkOption(int /*argc*/, char** argv, int* index, SelectionRequest* request) {
  if (!takeMarkOption(argv[*index], &static_cast<RunRequest*>(request)->marks))
    return false;
  ++*index;
  return true;
}

// Takes the shared option at `argv[*index]` into `request` and moves `*index`
// past it and its value. False when it is no shared option or lacks its
// value; `*isShared` tells which.
bool takeSharedOption(int argc, char** argv, int* index, SelectionRequest* request,
                      bool* isShared) {
  const char* argument = argv[*index];
  *isShared = true;
  if (strcmp(argument, "-a") == 0) {
    request->mainFolderOnly = false;
  } else if (strcmp(argument, "-s") == 0 || strcmp(argument, "-u") == 0) {
    // The value is taken whatever it holds, even "-?" or "".
    if (!takeOptionValue(argc, argv, index, argument[1] == 's' ? &request->host : &request->user))
      return false;
  } else if (strcmp(argument, "-R") == 0) {
    request->directions |= kDirectionReceived;
  } else if (strcmp(argument, "-S") == 0) {
    request->directions |= kDirectionSent;
  } else if (strcmp(argument, "-t") == 0) {
    request->sortOrder = kSortByDate;
  } else if (strcmp(argument, "-tr") == 0) {
    request->sortOrder = kSortByDateReversed;
  } else {
    *isShared = false;
    return false;
  }
  ++*index;
  return true;
}

}  // namespace

bool takeMarkOption(const char* argument, MarkSet* marks) {
  for (const MarkOption& option : kMarkOptions) {
    if (strcmp(argument, option.name) != 0)
      continue;
    if ((*marks & option.refusedWith) != 0)
      return false;
    *marks |= option.mark;
    return true;
  }
  return false;
}

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
    if (isHelpKeyword(argv[index]))
      return CommandLineOutcome::kUsage;
    bool isShared = false;
    if (!takeSharedOption(argc, argv, &index, request, &isShared) &&
        (isShared || !readOwnOption(argc, argv, &index, request)))
      return CommandLineOutcome::kUsage;
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

CommandLineOutcome readCommandLine(int argc, char** argv, RunRequest* request) {
  *request = RunRequest();
  CommandLineOutcome outcome = readSharedOptions(argc, argv, request, readMarkOption);
  if (outcome != CommandLineOutcome::kComplete)
    return outcome;
  if (request->marks == 0)
    return CommandLineOutcome::kMissingMarks;
  if (request->firstPattern >= argc || argv[request->firstPattern] == nullptr)
    return CommandLineOutcome::kMissingPatterns;
  return CommandLineOutcome::kComplete;
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

void printUsage(FILE* stream) {
  printSharedUsage(stream, "inkstamp", "fax-ID...", "Mark", "mark");
  static const char* const kMarkOptionLines[] = {
      "    -ma         Mark faxes as approved.\n",
      "    -na         Mark faxes as not approved.\n",
      "    -mb         Mark faxes as body printed.\n",
      "    -mp         Mark faxes as printed.\n",
      "    -np         Mark faxes as not printed.\n",
      "    -mr         Mark faxes as released for preview.\n",
      "    -nr         Mark faxes as held for preview.\n",
      "    -mv         Mark faxes as viewed.\n",
      "    -nv         Mark faxes as not viewed.\n",
      "    -m1         Mark faxes as user-1 tag on.\n",
      "    -n1         Mark faxes as user-1 tag off.\n",
      "    -m2         Mark faxes as user-2 tag on.\n",
      "    -n2         Mark faxes as user-2 tag off.\n",
  };
  for (const char* line : kMarkOptionLines)
    fputs(line, stream);
  fprintf(stream, "\n");
  fprintf(stream, "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n");
  fprintf(stream, "filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n");
  fprintf(stream, "characters.  Conflicting marking options cannot be specified.\n");
  fprintf(stream, "\n");
}
