// inkstamp's marking options: one bit per option and the rules of which
// options exclude which, both read from the one mark table beside the client
// values. inkstamp reads them into its run request; a preview reaches them
// only through mark_options.h.
#ifndef INKSTAMP_INKSTAMP_MARK_SET_H_
#define INKSTAMP_INKSTAMP_MARK_SET_H_

#include <stdint.h>

#include "faxclient/client_values.h"
#include "inkstamp/shared_options.h"

// The requested mark operations, one bit per marking option.
using MarkSet = uint32_t;

namespace mark_set_detail {
// Not constexpr: a name that is no marking option stops the compilation.
void noSuchMarkingOption();

consteval MarkSet bitOf(const char* option) {
  for (const faxclient::MarkOption& row : faxclient::kMarkOptions) {
    int i = 0;
    while (row.option[i] != '\0' && row.option[i] == option[i])
      ++i;
    if (row.option[i] == option[i])
      return row.bit;
  }
  noSuchMarkingOption();
  return 0;
}
}  // namespace mark_set_detail

enum : MarkSet {
  kMarkPrinted = mark_set_detail::bitOf("-mp"),
  kMarkNotPrinted = mark_set_detail::bitOf("-np"),
  kMarkViewed = mark_set_detail::bitOf("-mv"),
  kMarkNotViewed = mark_set_detail::bitOf("-nv"),
  kMarkApproved = mark_set_detail::bitOf("-ma"),
  kMarkNotApproved = mark_set_detail::bitOf("-na"),
  kMarkReleased = mark_set_detail::bitOf("-mr"),
  kMarkHeld = mark_set_detail::bitOf("-nr"),
  kMarkBodyPrinted = mark_set_detail::bitOf("-mb"),
  kMarkUser1On = mark_set_detail::bitOf("-m1"),
  kMarkUser1Off = mark_set_detail::bitOf("-n1"),
  kMarkUser2On = mark_set_detail::bitOf("-m2"),
  kMarkUser2Off = mark_set_detail::bitOf("-n2"),
};

// Takes the marking option `argument` into `marks`: kTaken, kUnknown when
// it is no marking option, kExcluded when a mark already in `marks` excludes
// it (then `marks` is left as it was).
OptionTake takeMarkOption(const char* argument, MarkSet* marks);

#endif  // INKSTAMP_INKSTAMP_MARK_SET_H_
