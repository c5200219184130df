// The rule that a marking option is refused beside one that excludes it.
#include "inkstamp/mark_set.h"

#include <string.h>

OptionTake takeMarkOption(const char* argument, MarkSet* marks) {
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    if (strcmp(argument, row.option) != 0)
      continue;
    if ((*marks & row.excludes) != 0)
      return OptionTake::kExcluded;
    *marks |= row.bit;
    return OptionTake::kTaken;
  }
  return OptionTake::kUnknown;
}
