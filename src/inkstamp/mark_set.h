// inkstamp's marking options: one bit per option and the rules of which
// options exclude which. inkstamp reads them into its run request; a preview
// reaches them only through mark_options.h.
#ifndef INKSTAMP_INKSTAMP_MARK_SET_H_
#define INKSTAMP_INKSTAMP_MARK_SET_H_

#include <stdint.h>

// The requested mark operations, one bit per marking option.
using MarkSet = uint32_t;
// The code that InkStampFax takes for one mark.
using MarkCode = uint16_t;

enum : MarkSet {
  kMarkPrinted = 0x0001,      // -mp
  kMarkNotPrinted = 0x0002,   // -np
  kMarkViewed = 0x0004,       // -mv
  kMarkNotViewed = 0x0008,    // -nv
  kMarkApproved = 0x0010,     // -ma
  kMarkNotApproved = 0x0020,  // -na
  kMarkReleased = 0x0040,     // -mr
  kMarkHeld = 0x0080,         // -nr
  kMarkBodyPrinted = 0x0100,  // -mb
  kMarkUser1On = 0x0400,      // -m1
  kMarkUser1Off = 0x0800,     // -n1
  kMarkUser2On = 0x1000,      // -m2
  kMarkUser2Off = 0x2000,     // -n2
};

// Takes the marking option `argument` into `marks`. False when it is no
// marking option or one that a mark already in `marks` excludes.
bool takeMarkOption(const char* argument, MarkSet* marks);

#endif  // INKSTAMP_INKSTAMP_MARK_SET_H_
