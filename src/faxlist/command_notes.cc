// The warnings about a command's patterns and the count of each pattern.
#include "faxlist/command_notes.h"

#include <stdarg.h>
#include <string.h>

#include <initializer_list>

#include "faxlist/same_destination.h"

namespace {

// One warning line on both streams, or once where both reach one terminal,
// console or file, which would show it twice. `output` is flushed first, so
// that where both reach one place the lines keep their order.
void warn(FILE* output, FILE* errors, const char* format, ...) {
  fflush(output);
  bool once = sameDestination(output, errors);
  for (FILE* stream : {output, errors}) {
    va_list arguments;
    va_start(arguments, format);
    fprintf(stream, "faxlist: warning: ");
    vfprintf(stream, format, arguments);
    va_end(arguments);
    if (once)
      break;
  }
  fflush(output);
  fflush(errors);
}

bool inSingleQuotes(const char* pattern) {
  size_t length = strlen(pattern);
  return length >= 2 && pattern[0] == '\'' && pattern[length - 1] == '\'';
}

}  // namespace

void printCommandWarnings(FILE* output, FILE* errors, const ListRequest& request, char** argv) {
  bool warned = false;
  for (char** pattern = argv + request.firstPattern; *pattern != nullptr; ++pattern) {
    bool late = takeListOptionAlone(*pattern) != OptionTake::kUnknown;
    bool quoted = inSingleQuotes(*pattern);
    if (late) {
      warn(output, errors,
           "inkstamp takes %s as a fax-ID pattern, not as an option: options go before the "
           "patterns%s\n",
           *pattern,
           strcmp(*pattern, "-o") == 0 && request.csvPath == nullptr ? "; no CSV file is written"
                                                                     : "");
    }
    if (quoted) {
      warn(output, errors,
           "the pattern %s includes its single quotes (cmd.exe keeps them); without them it "
           "is %.*s\n",
           *pattern, static_cast<int>(strlen(*pattern) - 2), *pattern + 1);
    }
    warned = warned || late || quoted;
  }
  // A blank line sets the warnings apart from the listing.
  if (warned)
    fprintf(output, "\n");
}

void printPatternCounts(FILE* output, FILE* errors, char** patterns, const int32_t* counts) {
  for (int32_t index = 0; patterns[index] != nullptr; ++index) {
    if (counts[index] == 0) {
      warn(output, errors, "the pattern %s matched no fax\n", patterns[index]);
    } else {
      fprintf(output, "pattern %s: %d %s\n", patterns[index], counts[index],
              counts[index] == 1 ? "fax" : "faxes");
    }
  }
  fflush(output);
}
