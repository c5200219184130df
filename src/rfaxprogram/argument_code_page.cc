// The comparison of the received argument vector with the typed one, and its
// message. Portable, so that the splits Windows makes can be tested anywhere.
#include "rfaxprogram/argument_code_page.h"

#include <string.h>

ArgumentDifference compareArguments(int receivedCount, const char* const* received, int typedCount,
                                    const char* const* typed) {
  using Kind = ArgumentDifference::Kind;
  const int longer = receivedCount > typedCount ? receivedCount : typedCount;
  for (int i = 0; i < longer; ++i) {
    if (i < typedCount && typed[i] == nullptr)
      return {Kind::kUnrepresentable, i};
    if (i >= typedCount || i >= receivedCount || strcmp(received[i], typed[i]) != 0)
      return {Kind::kSplit, i};
  }
  return {};
}

void printArgumentDifference(FILE* stream, ArgumentDifference difference, unsigned codePage,
                             const char* prefix) {
  using Kind = ArgumentDifference::Kind;
  if (difference.kind == Kind::kNone)
    return;
  // Position 0 is the program's own name: there the character lies in the
  // name of its folder, not in anything typed after it.
  char subject[32];
  if (difference.position == 0)
    snprintf(subject, sizeof subject, "The program's path");
  else
    snprintf(subject, sizeof subject, "Argument %d", difference.position);
  if (difference.kind == Kind::kUnrepresentable)
    fprintf(stream, "%s%s has a character that code page %u can't represent.\n", prefix, subject,
            codePage);
  else
    fprintf(stream,
            "%s%s did not arrive as typed: code page %u changed how the command line splits.\n",
            prefix, subject, codePage);
}
