// The marking options as a preview takes them, through inkstamp's own option
// table.
#include "inkstamp/mark_options.h"

#include "faxclient/client_values.h"
#include "inkstamp/command_line.h"

bool MarkOptions::take(const char* argument) {
  MarkSet marks = marks_;
  if (!takeMarkOption(argument, &marks))
    return false;
  marks_ = marks;
  return true;
}

void MarkOptions::printNames(FILE* stream) const {
  // The named codes are listed in sending order, which the marking pass
  // checks at compile time; each option's bit comes from the option table.
  const char* separator = "";
  for (const faxclient::MarkCodeName& named : faxclient::kMarkCodeNames) {
    MarkSet mark = 0;
    if (takeMarkOption(named.option, &mark) && (marks_ & mark) != 0) {
      fprintf(stream, "%s%s", separator, named.name);
      separator = ", ";
    }
  }
}
