// The marking options' table and the rule that an option is refused beside
// one that excludes it.
#include "inkstamp/mark_set.h"

#include <string.h>

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
