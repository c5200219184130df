// inkstamp's marking options for a program that previews a marking command:
// it takes them by inkstamp's own rules (whole arguments, an option refused
// beside its opposite) and can name the marks that inkstamp would send, but
// never sees how inkstamp holds or sends them.
#ifndef INKSTAMP_INKSTAMP_MARK_OPTIONS_H_
#define INKSTAMP_INKSTAMP_MARK_OPTIONS_H_

#include <stdint.h>
#include <stdio.h>

#include "inkstamp/shared_options.h"

class MarkOptions {
 public:
  // Takes `argument` when it is a marking option that the options taken so
  // far allow, as inkstamp takes it: kTaken, kUnknown or kExcluded.
  OptionTake take(const char* argument);

  // Whether any marking option was taken.
  bool any() const { return marks_ != 0; }

  // Prints the names of the marks taken, in the order in which inkstamp
  // sends them to each fax, separated by ", " ("printed, viewed").
  void printNames(FILE* stream) const;

  // Prints the options taken so far that exclude the marking option
  // `argument`, in sending order, joined by " and " ("-mp and -mb").
  void printExcluders(FILE* stream, const char* argument) const;

 private:
  uint32_t marks_ = 0;  // inkstamp's mark bits
};

#endif  // INKSTAMP_INKSTAMP_MARK_OPTIONS_H_
