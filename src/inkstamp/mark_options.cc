// The marking options as a preview takes them, by inkstamp's own rules, and
// their names in sending order, from the one mark table.
#include "inkstamp/mark_options.h"

#include <string.h>

#include "faxclient/client_values.h"
#include "inkstamp/mark_set.h"

OptionTake MarkOptions::take(const char* argument) {
  return takeMarkOption(argument, &marks_);
}

void MarkOptions::printNames(FILE* stream) const {
  const char* separator = "";
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    if ((marks_ & row.bit) != 0) {
      fprintf(stream, "%s%s", separator, row.name);
      separator = ", ";
    }
  }
}

void MarkOptions::printExcluders(FILE* stream, const char* argument) const {
  MarkSet excludes = 0;
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    if (strcmp(row.option, argument) == 0)
      excludes = row.excludes;
  }
  const char* separator = "";
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    if ((marks_ & excludes & row.bit) != 0) {
      fprintf(stream, "%s%s", separator, row.option);
      separator = " and ";
    }
  }
}
