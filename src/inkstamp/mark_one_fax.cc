// Marking one fax: loading it, then one InkStampFax call per requested mark
// in a fixed order.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <iterator>

#include "faxclient/client_values.h"
#include "inkstamp/mark_program.h"

namespace {

struct MarkRow {
  MarkSet mark;
  MarkCode code;
};

// The order of the rows is the order in which the marks are sent. Body
// printed goes after the approval marks, not in bit order; code 2 is never
// sent.
constexpr MarkRow kMarkTable[] = {
    {kMarkPrinted, faxclient::kCodePrinted},          // -mp
    {kMarkNotPrinted, faxclient::kCodeNotPrinted},    // -np
    {kMarkViewed, faxclient::kCodeViewed},            // -mv
    {kMarkNotViewed, faxclient::kCodeNotViewed},      // -nv
    {kMarkApproved, faxclient::kCodeApproved},        // -ma
    {kMarkNotApproved, faxclient::kCodeNotApproved},  // -na
    {kMarkBodyPrinted, faxclient::kCodeBodyPrinted},  // -mb
    {kMarkReleased, faxclient::kCodeReleased},        // -mr
    {kMarkHeld, faxclient::kCodeHeld},                // -nr
    {kMarkUser1On, faxclient::kCodeUser1On},          // -m1
    {kMarkUser1Off, faxclient::kCodeUser1Off},        // -n1
    {kMarkUser2On, faxclient::kCodeUser2On},          // -m2
    {kMarkUser2Off, faxclient::kCodeUser2Off},        // -n2
};

// faxsim names the codes by option in the same order (client_values.h).
constexpr bool sentInTheNamedOrder() {
  size_t row = 0;
  for (const faxclient::MarkCodeName& named : faxclient::kMarkCodeNames) {
    if (kMarkTable[row++].code != named.code)
      return false;
  }
  return row == std::size(kMarkTable);
}
static_assert(sentInTheNamedOrder());

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
