// What faxlist shows of itself: its banner and usage text, for the entry
// that every program on the session shares (rfaxprogram/program_entry.h).
#ifndef INKSTAMP_FAXLIST_LIST_IDENTITY_H_
#define INKSTAMP_FAXLIST_LIST_IDENTITY_H_

#include "rfaxprogram/program_entry.h"

extern const ProgramIdentity kFaxListIdentity;

#endif  // INKSTAMP_FAXLIST_LIST_IDENTITY_H_
