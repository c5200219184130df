// Marking one fax: loading it, then one InkStampFax call per requested mark
// in a fixed order.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "inkstamp/mark_program.h"

namespace {

struct MarkRow {
  MarkSet mark;
  MarkCode code;
};

// The order of the rows is the order in which the marks are sent. Body
// printed goes after the approval marks, not in bit order; code 2 is never
// sent.
const MarkRow kMarkTable[] = {
    {kMarkPrinted, 3},      // -mp
    {kMarkNotPrinted, 4},   // -np
    {kMarkViewed, 0},       // -mv
    {kMarkNotViewed, 1},    // -nv
    {kMarkApproved, 8},     // -ma
    {kMarkNotApproved, 9},  // -na
    {kMarkBodyPrinted, 7},  // -mb
    {kMarkReleased, 5},     // -mr
    {kMarkHeld, 6},         // -nr
    {kMarkUser1On, 10},     // -m1
    {kMarkUser1Off, 11},    // -n1
    {kMarkUser2On, 12},     // -m2
    {kMarkUser2Off, 13},    // -n2
};

// Constant arguments of RFaxLoadFax3, as the client library expects them.
const int32_t kLoadFaxMode = 3;
const int32_t kLoadFaxLevel = 11;

}  // namespace

bool MarkProgram::markOneFax(const FaxListElement* fax, MarkSet marks) {
  // The library wants a zeroed buffer; what it writes there is not needed.
  unsigned char detail[kFaxDetailSize];
  memset(detail, 0, sizeof detail);
  RFaxFaxHandle handle = fax->faxHandle;
  if (RFaxLoadFax3(serverHandle, handle, 0, kLoadFaxMode, 0, detail, kLoadFaxLevel) != 0) {
    fprintf(output, "Can't retrieve fax: %s (%08" PRIX32 ")\n", fax->faxId, handle);
    fflush(output);
    return false;
  }

  // A failed mark never stops the others: what can be marked is marked.
  bool allMarked = true;
  for (const MarkRow& row : kMarkTable) {
    if ((marks & row.mark) == 0)
      continue;
    if (InkStampFax(serverHandle, handle, row.code) != 0) {
      fprintf(output, "Can't mark fax: %s (%08" PRIX32 ")\n", fax->faxId, handle);
      fflush(output);
      allMarked = false;
    }
  }
  fprintf(output, "  -> marked\n");
  fflush(output);
  return allMarked;
}
