// The marking options as a preview takes them, by inkstamp's own rules, and
// their names in sending order, from the one mark table.
#include "inkstamp/mark_options.h"

#include "faxclient/client_values.h"
#include "inkstamp/mark_set.h"

bool MarkOptions::take(const char* argument) {
  MarkSet marks = marks_;
  if (!takeMarkOption(argument, &marks))
    return false;
  marks_ = marks;
  return true;
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
